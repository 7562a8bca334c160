#include "wave/window/gui/MDIChildQuarbel.h"

#include "foundation/gui/CustomCursors.h"
#include "platform/MessageService.h"
#include "wave/document/FileUnit.h"
#include "wave/window/ChildTexts.h"
#include "wave/window/gui/MainFormGuiAccess.h"

#include <QCloseEvent>

TMDIChildQuarbel::TMDIChildQuarbel(MainFormGuiAccess& mainForm) : QMdiSubWindow(nullptr), Main(mainForm)
{
    setAttribute(Qt::WA_DeleteOnClose);
}

// The subclass has deleted the document already.
TMDIChildQuarbel::~TMDIChildQuarbel() = default;

void TMDIChildQuarbel::SetFileUnit(TFileUnit* unit)
{
    FileUnit = unit;
    if (unit)
        unit->SetWindow(this);
}

void TMDIChildQuarbel::UpdateChildCaption()
{
    const std::string name = FileUnit ? FileUnit->GetName() : std::string();
    const std::string file = FileUnit ? FileUnit->GetFileName() : std::string();
    setWindowTitle(QString::fromStdString(ChildCaption(name, file)));
}

void TMDIChildQuarbel::NameChanged(const std::string&)
{
    UpdateChildCaption();
}

unsigned char TMDIChildQuarbel::GetKind() const
{
    return FileUnit ? FileUnit->GetKind() : 0;
}

std::string TMDIChildQuarbel::GetUnitName() const
{
    return FileUnit ? FileUnit->GetName() : std::string();
}

std::string TMDIChildQuarbel::GetSaveQuestion() const
{
    return SaveQuestion(GetKind(), GetUnitName(), FileUnit ? FileUnit->GetFileName() : std::string());
}

void TMDIChildQuarbel::SetCursor(int cursorNumber)
{
    CursorNumber = cursorNumber;
    setCursor(ScreenCursor(cursorNumber));
}

void TMDIChildQuarbel::FillCommandState(TCommandSnapshot&) const {}

void TMDIChildQuarbel::EvFormOnActivate()
{
    Main.SetModelessDialogActive(false);
    Main.WindowActivated(this);
}

bool TMDIChildQuarbel::FormCloseQuery()
{
    if (!NeedsSaving())
        return true;
    switch (Messages().Show(GetSaveQuestion(), SaveQuestionCaption, MsgIcon::Question, MsgButtons::YesNoCancel)) {
    case MsgAnswer::Yes: return SaveDocument();
    case MsgAnswer::No: return true;
    default: return false;
    }
}

void TMDIChildQuarbel::FormClose()
{
    // The last window closing leaves no window active: status bar and keys cleared.
    if (Main.CountChildWindows() == 1)
        Main.NoWindowActivated();
    Main.SetClosingWindow(this);
}

void TMDIChildQuarbel::closeEvent(QCloseEvent* event)
{
    if (Closing) {
        QMdiSubWindow::closeEvent(event);
        return;
    }
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    QMdiSubWindow::closeEvent(event);
    if (!event->isAccepted())
        Closing = false;
    Main.RequestUpdate();
}
