#pragma once
#include "wave/document/DocumentWindowAccess.h"
#include "wave/window/RegisteredWindow.h"

#include <QMdiSubWindow>

#include <string>

class TFileUnit;
class MainFormGuiAccess;
struct TCommandSnapshot;

// The common base of the document windows: ties one window to one document,
// titles the window from the document, answers the document's kind, sets the
// mouse cursor and asks the save question before an unsaved document closes.
// The subclass owns the document and deletes it in its destructor.
class TMDIChildQuarbel : public QMdiSubWindow, public virtual DocumentWindowAccess, public TRegisteredWindow {
    Q_OBJECT
public:
    explicit TMDIChildQuarbel(MainFormGuiAccess& mainForm);
    ~TMDIChildQuarbel() override;

    // Links window and document both ways.
    void SetFileUnit(TFileUnit* unit);
    TFileUnit* GetFileUnit() const { return FileUnit; }

    // Name, then " - " and the file name; either alone; or nothing.
    void UpdateChildCaption() override;
    void NameChanged(const std::string& oldName) override;
    void SetDrawCursor() override { SetCursor(1); }

    // The document's kind byte (0 without a document).
    unsigned char GetKind() const override;
    std::string GetUnitName() const override;
    bool IsClosing() const override { return Closing; }
    // From the close handler on, every registry look-up skips this window.
    void MarkClosing() { Closing = true; }

    std::string GetSaveQuestion() const;

    // The cursor by number (0 default, 1 draw, 6 zoom, 7 zoom out); the form's
    // own cursor here, the wave window gives it to its panes.
    virtual void SetCursor(int cursorNumber);
    void SetDefaultCursor() { SetCursor(0); }
    void SetZoomCursor() { SetCursor(6); }
    void SetZoomOutCursor() { SetCursor(7); }
    int CurrentCursor() const { return CursorNumber; }

    // Whether the document must be saved before it may close; each kind tests it.
    virtual bool NeedsSaving() const { return false; }
    // Yes to the save question: the main window's save of this kind. The window
    // closes only on true.
    virtual bool SaveDocument() { return false; }

    // Fills the part of the command snapshot that this window and its document decide.
    virtual void FillCommandState(TCommandSnapshot& snapshot) const;
    // Writes the status bar of this kind.
    virtual void ShowStatus() {}
    // A wave window that shows the waveform with the wave of that name drawn as
    // its envelope; other windows draw no envelope.
    virtual bool DrawsEnvelopeOf(const std::string& /*waveName*/) const { return false; }
    virtual void RepaintViews() {}

    // The window became the active document window: the activation notice of its kind.
    virtual void EvFormOnActivate();
    // May the window close? Asks the save question when the document needs saving.
    virtual bool FormCloseQuery();
    // The close handler: the last window's notice, then the window is closing.
    virtual void FormClose();

protected:
    void closeEvent(QCloseEvent* event) override;

    MainFormGuiAccess& Main;
    int CursorNumber = 0;

private:
    TFileUnit* FileUnit = nullptr;
    bool Closing = false;
};
