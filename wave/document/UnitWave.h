#pragma once
#include "wave/Wave.h"
#include "wave/document/DrawNode.h"
#include "wave/document/SoundUnit.h"
#include "wave/props/WaveEffectProps.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class Sound;
class TFactoryValuesAsker;
class TUnitSountory;
class TUndoUnit;
class TXMLComplexElement;
class TXMLItem;
class WaveWindowAccess;

// Draw kinds of a hand-drawn wave.
enum : uint8_t { DrawLinear = 0, DrawParabola = 1 };

// The wave document: one sound with its cursor and selection, the hand
// drawing, the settings last used for each effect, and the marks that say
// whether the samples and the side file need saving. Every wave command of
// the main window ends in one member here.
//
// The selection is [min(CursorPos, AnchorPos), max(CursorPos, AnchorPos));
// equal marks are a bare cursor. Marks are always within [0, GetValues()].
//
// A command runs with a fresh stop flag. When it stops (memory) it keeps the
// old sound and range and LastCommandChanged() is false, so the main window
// does not mark the document changed.
// The settings last used on a document are its TWaveEffectProps members.
class TUnitWave : public TSoundUnit, public TWaveEffectProps {
public:
    TUnitWave(const TWaveFileProps& waveFileProps, const std::string& name, const std::string& fileName);
    TUnitWave(std::shared_ptr<Sound> sound, const std::string& name, const std::string& fileName);
    ~TUnitWave() override;

    void SetChildWave(WaveWindowAccess* window);
    WaveWindowAccess* GetChildWave() const { return ChildWave; }
    void SetAllProps(const TWaveEffectProps& props);
    // Installs a sound and gives back the previous one; nothing is repainted or marked.
    std::shared_ptr<Sound> ExchangeSound(std::shared_ptr<Sound> sound);
    const std::shared_ptr<Sound>& GetSound() const { return TheSound; }

    // ---- format ----
    uint32_t GetSampleFreq() const override;
    uint16_t GetMonoStereo() const override;
    uint16_t GetBytesPSample() const override;
    // Converts the sound to another format (mix-down, bytes, rate, doubling, in
    // that order). The icon changes and the marks scale only when it succeeds.
    void ChangeFileProps(const TWaveFileProps& from, const TWaveFileProps& to) override;
    int32_t GetValues() const;

    // ---- selection, without repainting ----
    int32_t GetCursorPos() const { return CursorPos; }
    int32_t GetAnchorPos() const { return AnchorPos; }
    int32_t GetSelectBegin() const;
    int32_t GetSelectEnd() const;
    void SetCursorPos(int32_t position);
    void SetAnchorPos(int32_t position);
    void SetCursor(int32_t position);
    void SetSelection(int32_t begin, int32_t end);

    // ---- selection, with repainting ----
    void MoveCursorPos(int32_t position);
    void PlaceCursor(int32_t position);
    void SelectRange(int32_t begin, int32_t end);
    void SetSelectMarks(int32_t cursorPosition, int32_t anchorPosition);

    // ---- operation range and the command protocol ----
    int32_t GetOperationBegin() const;
    int32_t GetOperationEnd() const;
    double GetOperationTime() const;
    void BeginOperation(int32_t begin, int32_t end);
    void EndOperation(int32_t begin, int32_t newEnd);
    // The range as the clipboard sound; a failed copy keeps the old clipboard.
    void CopyToClipboard(int32_t begin, int32_t end);
    void SwapWithUndo(TUndoUnit& undo);
    // False after a command, format change or drawing rebuild that stopped,
    // was refused or changed nothing.
    bool LastCommandChanged() const { return lastCommandChanged; }
    uint8_t GetStopFlag() const { return stopFlag; }

    // ---- change marks ----
    bool HasContent() const;
    bool IsWaveChanged() const;
    bool IsShadowChanged() const;
    bool IsChanged() const;
    void SetChanged();
    void SetShadowChanged();
    void ClearChanged();

    // ---- window support ----
    // The texts of the wave status panels 2 to 7.
    std::array<std::string, 6> WaveStatusTexts() const;
    // For each of those panels the texts that may be its widest, to size it in the font in use.
    static std::array<std::vector<std::string>, 6> WidestWaveStatusTexts();
    void ShowWaveStatus() const;
    bool CanDrawWaveLin() const;
    bool CanDrawWave3G() const { return CanDrawWaveLin(); }
    void RepaintSelectionChange(int32_t oldCursor, int32_t newCursor, int32_t oldBegin, int32_t oldEnd,
                                int32_t newBegin, int32_t newEnd);
    void RepaintSelectionDiff(int32_t oldBegin, int32_t oldEnd, int32_t newBegin, int32_t newEnd);

    // ---- hand drawing ----
    void StartUserDraw(uint8_t drawKind);
    void EndUserDraw();
    // Inserts in position order; a node at a position already taken is refused (false).
    bool InsertDrawNode(std::unique_ptr<TDrawNode> node);
    void DeleteDrawNode(TDrawNode* node);
    int32_t GetDrawNodeCount() const;
    // Rebuilds the sound from the nodes. Nodes that are unsorted, share a
    // position or are fewer than two are refused with a message.
    void MakeUserDrawnSound();
    TDrawNode* GetDrawNodes() const { return DrawNodes.get(); }
    bool IsUserDrawing() const { return UserDrawing != 0; }
    double GetDrawLength() const { return DrawLength; }
    uint8_t GetDrawKind() const { return DrawKind; }
    // The curve the nodes are joined with; the drawn sound is not rebuilt here.
    void SetDrawKind(uint8_t drawKind) { DrawKind = drawKind; }

    // ---- commands ----
    void MakeLine(const TLineProps& props);
    void MakeSilence(const TSilenceProps& props);
    void MakeNoise(const TNoiseProps& props);
    void MakeBlock(const TBlockTriangleProps& props);
    void MakeTriangle(const TBlockTriangleProps& props);
    void MakeBlockTriangle(const TBlockTriangleProps& props, bool triangle);
    void MakeSinus(const TSinusProps& props);
    void MakeMFreq(const TMFreqProps& props);
    void EditDelete();
    void EditTrim();
    void EditCopy();
    void EditCut();
    void EditPaste();
    void EditSwap();
    void EditExtract();
    void EditMix(const TMixProps& props);
    void Volume(const TVolumeProps& props);
    void MaxVolume();
    void Reverse();
    void MoveV(const TUpProps& props);
    void NormalizeVertically();
    void Block(const TBlockProps& props);
    void Rotate(const TRotateProps& props);
    void RollIn(const TRollInProps& props);
    void RollOut(const TRollOutProps& props);
    void Length(const TLengthProps& props);
    void Distort(const TDistortProps& props);
    void MoveH(const TShiftProps& props);
    void Balance(const TBalanceProps& props);
    void MixLeftRight(const TLeftRightProps& props);
    void PerEcho(const TPerEchoProps& props);
    void RndEcho(const TRandomEchoProps& props);
    void TempoPitch(const TTempoPitchProps& props);
    void FilterHigh(const THighLowProps& props);
    void FilterLow(const THighLowProps& props);
    void FilterHighLow(const THighLowProps& props, bool high);
    void FilterRes(const TResNotchProps& props);
    void FilterNotch(const TResNotchProps& props);
    void FilterResNotch(const TResNotchProps& props, bool resonance);
    void FilterBlock(const TBlockFilterProps& props);
    // Runs a factory over the operation range: the sound and the ranges go to
    // its inputs "Wave", "Select ..." and "Replace ...", the user gives the
    // others, and the wave of its output "Result" with the positions of
    // "Position ..." come back as the new sound and selection. False, with
    // the reason, when the old sound stays ("Stopped by user." when the user
    // cancelled, the memory text when memory ran out). Its body lives on the factory floor
    // (factory/document/UnitWaveRunSountory.cpp), which knows both.
    bool WaveRunSountory(TUnitSountory& factory, std::string& error, TFactoryValuesAsker& asker);

    // ---- side file and saving (UnitWaveSideFile.cpp) ----
    // Builds the side-file grammar once, at start-up.
    static void BuildUnitWaveGrammar();
    // 0 no side file, 1 read, 2 failed with the reason in error. A refused file
    // changes nothing. An empty wave kept in the file replaces sound only when
    // sound has no values (a .wav with samples wins over a stale side file).
    int LoadShadowFile(const std::string& shadowFileName, std::string& error, bool pending,
                       std::shared_ptr<Sound>& sound);
    // The same from the bytes of a side file held in memory.
    int LoadShadowBytes(std::string_view fileBytes, std::string& error, bool pending, std::shared_ptr<Sound>& sound);
    bool ReadUnitWaveXml(const TXMLItem* unitWave, std::string& error, int32_t& line, int32_t& column,
                         bool pending, std::shared_ptr<Sound>& sound);
    std::unique_ptr<TXMLComplexElement> WriteUnitWaveXml() const;
    bool Save();
    bool SaveChanged(const std::string& waveFileName);
    bool SaveShadowAndChangedWave(const std::string& waveFileName);
    bool SaveWaveAndShadow(const std::string& waveFileName);
    bool SaveWaveFile(const std::string& waveFileName);
    bool SaveShadowFile(const std::string& waveFileName);
    // The view state the side file keeps is that of the window's view group,
    // which the window installs (not owned). Without one the default view is
    // written and a view read is checked but not kept.
    void SetViewGroup(class TViewWaveGroupModel* group) { ViewGroup = group; }
    TViewWaveGroupModel* GetViewGroup() const { return ViewGroup; }

private:
    TViewWaveGroupModel* ViewGroup = nullptr;

public:
    // ---- end of side file and saving ----


    uint8_t KeepSound = 0;

private:
    void InitState();
    // ---- the command steps ----
    // A fresh stop flag; nothing changed yet.
    void BeginCommand();
    // The result becomes the sound unless the command stopped; true when it did.
    bool TakeResult(std::shared_ptr<Sound> result);
    // A command over [begin, end) that changes the length: the operation gets
    // the range by reference and returns the new sound.
    void RunLengthCommand(int32_t begin, int32_t end,
                          const std::function<std::shared_ptr<Sound>(int32_t& begin, int32_t& end)>& operation);
    // A command that keeps the length: only the sound changes.
    void RunKeepCommand(const std::function<std::shared_ptr<Sound>()>& operation);
    void TellWindow();
    // Shows why a command does nothing.
    void Refuse(const std::string& reason);
    // True, and the user told, when made values in place of begin..end would
    // make a wave longer than the longest one. Reckoned before the engine turns
    // seconds and factors into a count, which saturates.
    bool RefuseLongerThanTheLongestWave(int32_t begin, int32_t end, double made);
    // The same for seconds of new sound in place of the selection.
    bool RefuseLongerThanTheLongestWave(double seconds);
    // The sound of a reference the settings need; refuses the command without one.
    bool TakeEnvelope(const unitUnitWave& reference, std::shared_ptr<Sound>& sound);
    // A range of one value cannot carry an echo or an enveloped filter.
    bool RefuseShortRange(int32_t begin, int32_t end);
    int32_t ClampMark(int32_t position) const;
    // Drawing-mode forms of the value commands.
    void ChangeDrawNodes(const std::function<int64_t(int64_t value)>& change);
    bool DrawNodesValid() const;

    WaveWindowAccess* ChildWave = nullptr;
    std::shared_ptr<Sound> TheSound;
    int32_t CursorPos = 0;
    int32_t AnchorPos = 0;
    uint8_t WaveChanged = 0;
    uint8_t ShadowChanged = 0;
    uint8_t WholeWaveCursor = 0;
    int32_t OldCursorPos = 0;
    int32_t OldValues = 0;
    uint8_t stopFlag = 0;
    uint8_t UserDrawing = 0;
    double DrawLength = 1.0;
    uint8_t DrawKind = DrawLinear;
    std::unique_ptr<TDrawNode> DrawNodes;
    bool lastCommandChanged = false;

    friend class TUndoUnit;
};
