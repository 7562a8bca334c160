#pragma once
#include <cstdint>
#include <memory>
#include <string>

class DocumentWindowAccess;
class TXMLItem;

// Document kinds.
enum : uint8_t { UnitKindWave = 1, UnitKindMusic = 2, UnitKindFactory = 3, UnitKindPlayers = 4 };

// What every document has: its name, kind, file, temporary file in an open
// project, the window that owns it, and the switch for change tracking.
class TFileUnit {
public:
    explicit TFileUnit(uint8_t kind);
    TFileUnit(const TFileUnit&) = delete;
    TFileUnit& operator=(const TFileUnit&) = delete;
    virtual ~TFileUnit();

    // Stores the new name, then the window retitles itself with the old one.
    void SetName(const std::string& name);
    void SetFileName(const std::string& fileName);
    bool HasNoFileName() const { return FileName.empty(); }
    // A File element with the file name; none when there is no file name.
    std::unique_ptr<TXMLItem> WriteFileXml() const;
    // A TempFile element with the number; none when there is no temporary file.
    std::unique_ptr<TXMLItem> WriteTempFileXml() const;

    const std::string& GetName() const { return Name; }
    uint8_t GetKind() const { return Kind; }
    const std::string& GetFileName() const { return FileName; }
    int32_t GetTempFileNumber() const { return TempFileNumber; }
    void SetTempFileNumber(int32_t number) { TempFileNumber = number; }
    DocumentWindowAccess* GetWindow() const { return Window; }
    // Set by the window that takes the document.
    void SetWindow(DocumentWindowAccess* window) { Window = window; }
    bool GetTrackChanges() const { return TrackChanges != 0; }
    void SetTrackChanges(bool on) { TrackChanges = on ? 1 : 0; }

protected:
    std::string Name;
    uint8_t Kind;
    std::string FileName;
    int32_t TempFileNumber = -1;
    DocumentWindowAccess* Window = nullptr;
    uint8_t TrackChanges = 1;
};
