#pragma once
#include "music/data/MuzData.h"
#include "music/document/MDIChildMuzInitProps.h"
#include "music/document/SelectionDescription.h"
#include "wave/document/SoundUnit.h"

#include <memory>
#include <string>
#include <string_view>

class MusicView;
class TConvertedPlayerSet;
class TMusTreeItem;
class TNoteStave;
class TXMLComplexElement;
class TXMLItem;
class TXTouchMuzSymbol;

enum TUnitMuzMode : uint8_t { unitMuzNew = 0, unitMuzSel = 1, unitMuzDel = 2 };
enum TInsertModeKind : uint8_t { insertModeClef = 0, insertModeNote = 1, insertModeAccidental = 2, insertModeRest = 3 };

// The music document: one piece of music with what editing it needs (the
// selection, the edit mode, the settings for new symbols), a modified mark,
// the window that shows it, and its .qbm file.
class TUnitMuz : public TSoundUnit {
public:
    TUnitMuz(const std::string& name, const std::string& fileName);
    ~TUnitMuz() override;

    uint32_t GetSampleFreq() const override { return MuzData.GetSampleFreq(); }
    uint16_t GetMonoStereo() const override { return MuzData.GetMonoStereo(); }
    uint16_t GetBytesPSample() const override { return MuzData.GetBytesPSample(); }
    void ChangeFileProps(const TWaveFileProps& from, const TWaveFileProps& to) override
    {
        MuzData.ChangeFileProps(from, to);
    }

    TMuzData MuzData;

    void SetWindow(MusicView* view);
    MusicView* GetMusicView() const { return View; }

    // The selected symbol's kind: bar 0, repeat sign 1, clef, note or rest 2;
    // 3 with nothing selected.
    uint8_t GetSelMuzSymbolKind() const;
    // Selects the symbol (or nothing); a stave symbol selected before leaves
    // its stave as SelectedInStave.
    void SetSelMuzSymbol(TXTouchMuzSymbol* symbol);
    TXTouchMuzSymbol* GetSelectedSymbol() const { return SelectedSymbol; }
    // Drops the selected symbol; SelectedInStave stays.
    void DropSelectedSymbol() { SelectedSymbol = nullptr; }
    TNoteStave* GetSelectedInStave() const { return SelectedInStave; }
    void ClearSelectedInStave() { SelectedInStave = nullptr; }
    // Drops the selected symbol when its part is no longer played and drawn.
    void DeselectIfPartHidden();
    TMusTreeItem* GetSelMusTreeItem() const { return SelMusTreeItem; }
    void SetSelMusTreeItem(TMusTreeItem* item) { SelMusTreeItem = item; }
    TNoteStave* GetSelNoteStave() const { return SelNoteStave; }
    void SetSelNoteStave(TNoteStave* stave) { SelNoteStave = stave; }

    // The Music Parts dialog refreshes.
    void PartsChanged();
    void SetModified() { Modified = true; }
    void ClearModified() { Modified = false; }
    bool IsModified() const { return Modified; }
    // Modified, or never saved.
    bool IsModifiedOrNew() const { return Modified || HasNoFileName(); }
    // Repaints the window and shows the selection's texts.
    void Redraw();
    // The status bar's texts for the selection and the save state; shown in
    // the window when there is one.
    TSelectionTexts DescribeSelection() const;

    bool GetAutoPlay() const { return AutoPlay; }
    void SetAutoPlay(bool on) { AutoPlay = on; }

    // A fresh document: one bar of four quarters, one stave with its G clef,
    // which is selected.
    void NewMusic();
    // Reads the file named by FileName. False with the message; a player set
    // made for an old file's players is closed again.
    bool LoadMusic(std::string& message, std::unique_ptr<TMDIChildMuzInitProps>& view);
    // The same from the bytes of a file held in memory.
    bool LoadMusicBytes(std::string_view bytes, std::string& message, std::unique_ptr<TMDIChildMuzInitProps>& view);
    // Makes this fresh document a copy of source.
    bool DuplicateMusic(const TUnitMuz& source, std::string& message, std::unique_ptr<TMDIChildMuzInitProps>& view);
    // Reads an element tree into the music; false with the message and the
    // place. A failed read leaves no selection behind.
    bool ReadMusic(const TXMLItem& unitMuz, TConvertedPlayerSet* convertedSet,
                   std::unique_ptr<TMDIChildMuzInitProps>& view, std::string& message, int32_t& line,
                   int32_t& column);
    // The document's element tree, as saved.
    std::unique_ptr<TXMLComplexElement> BuildMusicXml() const;
    // Writes the file; on failure shows "Cannot save Music: " with the reason.
    // The modified mark stays as it was.
    bool SaveMusic(const std::string& fileName);
    bool Save() { return SaveMusic(FileName); }

    // Builds the grammars of the three file versions once.
    static void BuildMusicGrammars();

    // The settings for new symbols and the edit mode; not saved.
    uint8_t InsertLength = 4;
    uint8_t InsertArticulation = 0;
    int32_t Points = 0;
    uint8_t InsertModeKind = insertModeNote;
    uint8_t InsertNoteShift = 2;
    int8_t InsertClef = 6;
    uint8_t InsertStickKind = 2;
    uint8_t UnitMuzMode = unitMuzNew;

private:
    bool LoadTokens(const class TXMLToken& document, const std::string& version, std::string& message,
                    std::unique_ptr<TMDIChildMuzInitProps>& view);

    MusicView* View = nullptr;
    bool Modified = false;
    TXTouchMuzSymbol* SelectedSymbol = nullptr;
    TNoteStave* SelectedInStave = nullptr;
    TMusTreeItem* SelMusTreeItem = nullptr;
    TNoteStave* SelNoteStave = nullptr;
    bool AutoPlay = true;
    // The origin last read, written back while no window shows the music.
    TMDIChildMuzInitProps ViewOrigin;
};
