#include "music/gui/MDIChildMuz.h"

#include "foundation/commands/ActionCatalogue.h"
#include "foundation/commands/CommandSnapshot.h"
#include "foundation/draw/CullingCanvas.h"
#include "foundation/gui/CustomCursors.h"
#include "foundation/gui/PanelStatusBar.h"
#include "foundation/gui/ToolBarIcons.h"
#include "music/document/MusicCommandState.h"
#include "music/document/UnitMuz.h"
#include "music/gui/MusicArea.h"
#include "music/layout/MusicPainter.h"
#include "music/parts/StartPartMuz.h"
#include "music/window/MusicKeys.h"
#include "platform/qt/QtCanvas.h"
#include "wave/window/gui/MainFormGuiAccess.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

#include <limits>

namespace {

struct TCursorRow {
    TMusicCursor cursor;
    int number; // the main window's custom cursors
};
constexpr TCursorRow CursorNumbers[] = {{TMusicCursor::Default, 0}, {TMusicCursor::Delete, 2},
                                        {TMusicCursor::Sil, 3},     {TMusicCursor::Reject, 4},
                                        {TMusicCursor::Note, 5}};

struct TKeyRow {
    int qtKey;
    int32_t musicKey;
};
constexpr TKeyRow Keys[] = {
    {Qt::Key_Space, MusicKey::Space},       {Qt::Key_PageUp, MusicKey::PageUp}, {Qt::Key_PageDown, MusicKey::PageDown},
    {Qt::Key_End, MusicKey::End},           {Qt::Key_Home, MusicKey::Home},     {Qt::Key_Left, MusicKey::Left},
    {Qt::Key_Up, MusicKey::Up},             {Qt::Key_Right, MusicKey::Right},   {Qt::Key_Down, MusicKey::Down},
    {Qt::Key_Insert, MusicKey::Insert},     {Qt::Key_Shift, MusicKey::Shift},   {Qt::Key_Control, MusicKey::Control},
    {Qt::Key_Alt, MusicKey::Alt},           {Qt::Key_AltGr, MusicKey::Alt},     {Qt::Key_Meta, MusicKey::Control},
};

} // namespace

int32_t MusicKeyOf(const QKeyEvent& event)
{
    const int key = event.key();
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return 'A' + (key - Qt::Key_A);
    // Only the digits of the top row.
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return event.modifiers() & Qt::KeypadModifier ? MusicKey::Other : '0' + (key - Qt::Key_0);
    for (const TKeyRow& row : Keys)
        if (row.qtKey == key)
            return row.musicKey;
    return MusicKey::Other;
}

uint8_t MusicModifiersOf(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    uint8_t bits = 0;
    if (modifiers & Qt::ShiftModifier)
        bits |= musicKeyShift;
    if (modifiers & Qt::ControlModifier)
        bits |= musicKeyCtrl;
    if (modifiers & Qt::AltModifier)
        bits |= musicKeyAlt;
    return bits;
}

TMDIChildMuz::TMDIChildMuz(MainFormGuiAccess& mainForm, std::unique_ptr<TUnitMuz> unit)
    : TMDIChildQuarbel(mainForm), WindowController(*this)
{
    setObjectName("MDIChildMuz");
    setWindowIcon(ToolBarIcon(ActionInfo(ActionId::FileNewMuz).image));
    MusicArea = new TMusicArea(*this);
    setWidget(MusicArea);
    UnitMuz = std::move(unit);
    Link(UnitMuz.get());
}

TMDIChildMuz::~TMDIChildMuz()
{
    // The area goes before the document it paints.
    setWidget(nullptr);
    delete MusicArea;
    MusicArea = nullptr;
    if (UnitMuz)
        UnitMuz->SetWindow(nullptr);
    UnitMuz.reset();
}

void TMDIChildMuz::Link(TUnitMuz* unit)
{
    SetFileUnit(unit);
    if (unit)
        unit->SetWindow(this);
    WindowController.SetUnitMuz(unit);
}

std::unique_ptr<TUnitMuz> TMDIChildMuz::SetUnitMuz(std::unique_ptr<TUnitMuz> unit)
{
    std::unique_ptr<TUnitMuz> old = std::move(UnitMuz);
    if (old)
        old->SetWindow(nullptr);
    UnitMuz = std::move(unit);
    Link(UnitMuz.get());
    Invalidate();
    return old;
}

void TMDIChildMuz::ApplyInitProps(const TMDIChildMuzInitProps* props)
{
    WindowController.ApplyInitProps(props);
    Invalidate();
}

void TMDIChildMuz::SetOrigin(int32_t left, int32_t top)
{
    WindowController.SetOrigin(left, top);
    Invalidate();
}

bool TMDIChildMuz::ScrollToStave(const TNoteStave* stave)
{
    return WindowController.ScrollToStave(stave);
}

bool TMDIChildMuz::FormKeyDown(int32_t key, uint8_t modifiers)
{
    const bool consumed = WindowController.KeyDown(key, modifiers);
    Main.RequestUpdate();
    return consumed;
}

// ---------------------------------------------------------------- MusicView

void TMDIChildMuz::Invalidate()
{
    if (MusicArea)
        MusicArea->viewport()->update();
}

TMDIChildMuzInitProps TMDIChildMuz::GetViewOrigin() const
{
    return WindowController.GetViewOrigin();
}

void TMDIChildMuz::ShowSelectionTexts(const TSelectionTexts& texts)
{
    // Only the active music's texts are shown.
    if (Main.ActiveChild() != this)
        return;
    for (size_t i = 0; i < texts.size(); ++i)
        Main.StatusBarMuz()->SetPanelText(static_cast<int>(i) + 1, QString::fromStdString(texts[i]));
}

void TMDIChildMuz::MusicPartsChanged()
{
    Main.MusicPartsChanged(UnitMuz.get());
}

void TMDIChildMuz::ScrollIntoViewX(int32_t left, int32_t right)
{
    WindowController.ScrollIntoViewX(left, right);
}

void TMDIChildMuz::ScrollIntoViewY(int32_t top, int32_t bottom)
{
    WindowController.ScrollIntoViewY(top, bottom);
}

// ---------------------------------------------------------------- the window base

void TMDIChildMuz::SetCursor(int cursorNumber)
{
    CursorNumber = cursorNumber;
    if (MusicArea)
        MusicArea->viewport()->setCursor(ScreenCursor(cursorNumber));
}

void TMDIChildMuz::ShowCursor(TMusicCursor cursor)
{
    if (cursor == TMusicCursor::Keep)
        return;
    if (cursor == TMusicCursor::VerticalSplit) {
        CursorNumber = -7;
        MusicArea->viewport()->setCursor(Qt::SplitVCursor);
        return;
    }
    for (const TCursorRow& row : CursorNumbers)
        if (row.cursor == cursor)
            SetCursor(row.number);
}

void TMDIChildMuz::FillCommandState(TCommandSnapshot& snapshot) const
{
    if (UnitMuz)
        snapshot.music = MusicCommandStateOf(*UnitMuz);
}

void TMDIChildMuz::ShowStatus()
{
    if (UnitMuz)
        UnitMuz->DescribeSelection();
}

bool TMDIChildMuz::NeedsSaving() const
{
    return UnitMuz && UnitMuz->IsModifiedOrNew();
}

bool TMDIChildMuz::SaveDocument()
{
    return UnitMuz && Main.SaveUnit(*UnitMuz);
}

// ---------------------------------------------------------------- painting and scrolling

void TMDIChildMuz::PaintMusic(QPainter& painter, const QRect& rect)
{
    if (!WindowController.IsOriginSet())
        WindowController.ScrollTo(MusicArea->horizontalScrollBar()->value(), MusicArea->verticalScrollBar()->value());
    TQtCanvas painted(painter);
    const TCanvasRect clip{rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1};
    // The whole music is laid out; only what reaches the rectangle is drawn.
    TCullingCanvas canvas(painted, clip);
    WindowController.BeginPaint();
    if (!UnitMuz) {
        canvas.SetBrushColor(TMusicPaintPass::OutsideColor);
        canvas.FillRect(clip);
        WindowController.EndPaint(0);
        return;
    }
    TMusicPaintPass pass(UnitMuz->MuzData, WindowController.GetLeftOrigin(), WindowController.GetTopOrigin());
    const int32_t end = pass.Paint(canvas, clip, UnitMuz->GetSelectedSymbol());
    WindowController.EndPaint(end);
    UpdateScrollBars();
}

void TMDIChildMuz::UpdateScrollBars()
{
    if (!MusicArea)
        return;
    const TMusicScrollState state = WindowController.GetScrollState();
    UpdatingScrollBars = true;
    QScrollBar* across = MusicArea->horizontalScrollBar();
    across->setRange(0, state.horizontalMaximum);
    across->setPageStep(state.horizontalPage);
    across->setSingleStep(state.horizontalStep);
    across->setValue(state.horizontalPosition);
    QScrollBar* down = MusicArea->verticalScrollBar();
    down->setRange(0, state.verticalMaximum);
    down->setPageStep(state.verticalPage);
    down->setSingleStep(state.verticalStep);
    down->setValue(state.verticalPosition);
    UpdatingScrollBars = false;
}

void TMDIChildMuz::AreaScrolled()
{
    if (UpdatingScrollBars || !MusicArea)
        return;
    WindowController.ScrollTo(MusicArea->horizontalScrollBar()->value(), MusicArea->verticalScrollBar()->value());
    Invalidate();
}

// ---------------------------------------------------------------- mouse and keys

void TMDIChildMuz::AreaMousePress(int x, int y, bool left, bool right)
{
    WindowController.MouseDown(x, y, left, right);
    Main.RequestUpdate();
}

void TMDIChildMuz::AreaMouseMove(int x, int y, bool left, bool right)
{
    ShowCursor(WindowController.MouseMove(x, y, left, right));
}

void TMDIChildMuz::AreaMouseRelease(bool left, bool right)
{
    WindowController.MouseUp(left, right);
}

bool TMDIChildMuz::AreaKeyPress(const QKeyEvent& event)
{
    return FormKeyDown(MusicKeyOf(event), MusicModifiersOf(event));
}

// ---------------------------------------------------------------- MusicWindowHost

int TMDIChildMuz::ClientWidth() const
{
    return MusicArea ? MusicArea->viewport()->width() : 0;
}

int TMDIChildMuz::ClientHeight() const
{
    return MusicArea ? MusicArea->viewport()->height() : 0;
}

void TMDIChildMuz::Repaint()
{
    UpdateScrollBars();
    Invalidate();
}

void TMDIChildMuz::BeginMusicKeySequence()
{
    Main.BeginMusicKeySequence();
}

void TMDIChildMuz::EndMusicKeySequence()
{
    Main.EndMusicKeySequence();
}

void TMDIChildMuz::MusicStaveChanged(TNoteStave* stave)
{
    Main.MusicStaveChanged(stave);
}

TXTouchMuzSymbol* TMDIChildMuz::SymbolAtPoint(int x, int y)
{
    if (!UnitMuz)
        return nullptr;
    // Anything within 15000 pixels: the nearest symbol drawn.
    double distance = 15000;
    TXTouchMuzSymbol* best = nullptr;
    FindNearestSymbol(*UnitMuz->MuzData.GetStartPartMuz(), {x, y}, distance, best);
    return best;
}
