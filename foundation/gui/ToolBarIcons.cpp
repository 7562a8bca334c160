#include "foundation/gui/ToolBarIcons.h"

#include "foundation/commands/ActionCatalogue.h"

#include <QPainter>
#include <QPainterPath>

#include <map>

namespace {

constexpr int IconSize = 24;

// What an image shows: a base figure, its colour and a short label.
enum class Glyph {
    Badge,     // a rounded square with the label
    NewPage,   // a page with a star
    Folder,    // an opened folder
    Disk,      // a floppy disk
    Copy,      // two pages
    Revert,    // a curved arrow back onto a page
    Play,
    PlayMax,
    Stop,
    Pause,
    Record,
    Undo,
    DeleteUndo,
    Wave,      // a sine
    Note,      // a note of the length in the label
    Rest,      // a rest of the length in the label
    Arrow,     // an arrow, direction in the label: U D L R
    Window,    // window arrangement
};

struct TIconDesign {
    Glyph glyph;
    QColor colour;
    const char* label;
};

const QColor Blue(40, 90, 200), Green(30, 140, 60), Red(200, 40, 40), Orange(220, 120, 20), Purple(130, 60, 170),
    Teal(20, 130, 140), Grey(90, 90, 90), Brown(140, 90, 40);

using A = ActionId;

const std::map<ActionId, TIconDesign>& Designs()
{
    static const std::map<ActionId, TIconDesign> designs = {
        {A::FileNewWave, {Glyph::NewPage, Blue, "W"}}, {A::FileOpenWave, {Glyph::Folder, Blue, "W"}},
        {A::FileNewMuz, {Glyph::NewPage, Green, "M"}}, {A::FileOpenMuz, {Glyph::Folder, Green, "M"}},
        {A::FileNewFactory, {Glyph::NewPage, Orange, "F"}}, {A::FileOpenFactory, {Glyph::Folder, Orange, "F"}},
        {A::FileNewPlay, {Glyph::NewPage, Purple, "P"}}, {A::FileOpenPlay, {Glyph::Folder, Purple, "P"}},
        {A::FileClose, {Glyph::Badge, Grey, "X"}}, {A::FileExit, {Glyph::Badge, Grey, "Ex"}},
        {A::FileSave, {Glyph::Disk, Blue, ""}}, {A::FileSaveAs, {Glyph::Disk, Teal, "..."}},
        {A::FileProperties, {Glyph::Badge, Teal, "Hz"}},
        {A::DuplicateWave, {Glyph::Copy, Blue, "W"}}, {A::DuplicateMuz, {Glyph::Copy, Green, "M"}},
        {A::DuplicateFact, {Glyph::Copy, Orange, "F"}}, {A::DuplicatePlay, {Glyph::Copy, Purple, "P"}},
        {A::FileRevert, {Glyph::Revert, Blue, ""}},
        {A::FilePlay, {Glyph::Play, Green, ""}}, {A::FilePlayMax, {Glyph::PlayMax, Green, ""}},
        {A::FileStop, {Glyph::Stop, Grey, ""}}, {A::FilePause, {Glyph::Pause, Grey, ""}},
        {A::FileRecord, {Glyph::Record, Red, ""}},
        {A::WindowCascade, {Glyph::Window, Grey, "C"}}, {A::WindowTileHorizontal, {Glyph::Window, Grey, "H"}},
        {A::WindowTileVertical, {Glyph::Window, Grey, "V"}}, {A::WindowMinimizeAll, {Glyph::Window, Grey, "_"}},
        {A::WindowArrangeAll, {Glyph::Window, Grey, "A"}},
        {A::Undo, {Glyph::Undo, Blue, ""}}, {A::DeleteUndo, {Glyph::DeleteUndo, Red, ""}},
        {A::EditNameAction, {Glyph::Badge, Teal, "Ab"}},
        {A::SplitH, {Glyph::Badge, Brown, "|<>"}}, {A::SplitV, {Glyph::Badge, Brown, "=<>"}},
        {A::MergeH, {Glyph::Badge, Brown, "><|"}}, {A::MergeV, {Glyph::Badge, Brown, "><="}},
        {A::ViewWave, {Glyph::Wave, Blue, ""}}, {A::ViewVold, {Glyph::Badge, Purple, "dB"}},
        {A::ZoomIn, {Glyph::Badge, Teal, "+"}}, {A::NoZoom, {Glyph::Badge, Teal, "-"}},
        {A::SelectWave, {Glyph::Badge, Teal, "[ ]"}},
        {A::MakeSilence, {Glyph::Badge, Grey, "0"}}, {A::MakeLine, {Glyph::Badge, Blue, "/"}},
        {A::MakeBlock, {Glyph::Badge, Blue, "Bl"}}, {A::MakeTriangle, {Glyph::Badge, Blue, "/\\"}},
        {A::MakeSinus, {Glyph::Wave, Green, ""}}, {A::MakeNoise, {Glyph::Badge, Blue, "Ns"}},
        {A::MakeMFreq, {Glyph::Badge, Blue, "MF"}}, {A::DrawWaveLin, {Glyph::Badge, Orange, "Dr"}},
        {A::DrawWave3G, {Glyph::Badge, Orange, "D~"}},
        {A::EditDelete, {Glyph::Badge, Red, "Del"}}, {A::EditTrim, {Glyph::Badge, Red, "Tr"}},
        {A::EditClearClipboard, {Glyph::Badge, Grey, "C0"}}, {A::EditSwap, {Glyph::Badge, Purple, "<>"}},
        {A::EditExtract, {Glyph::Badge, Purple, "Ex"}}, {A::EditMix, {Glyph::Badge, Purple, "+"}},
        {A::EditCut, {Glyph::Badge, Purple, "Cut"}}, {A::EditCopy, {Glyph::Copy, Purple, ""}},
        {A::EditPaste, {Glyph::Badge, Purple, "Ps"}},
        {A::MaxVolume, {Glyph::Badge, Green, "Max"}}, {A::Volume, {Glyph::Badge, Green, "Vol"}},
        {A::Reverse, {Glyph::Badge, Green, "Rev"}}, {A::MoveV, {Glyph::Arrow, Green, "U"}},
        {A::Block, {Glyph::Badge, Green, "Blk"}}, {A::RollOut, {Glyph::Badge, Green, "RO"}},
        {A::Rotate, {Glyph::Badge, Green, "Rot"}}, {A::RollIn, {Glyph::Badge, Green, "RI"}},
        {A::Length, {Glyph::Badge, Green, "Len"}}, {A::Distort, {Glyph::Badge, Green, "Dis"}},
        {A::NormalizeVertically, {Glyph::Badge, Green, "Nor"}}, {A::MoveH, {Glyph::Arrow, Green, "R"}},
        {A::Balance, {Glyph::Badge, Orange, "Bal"}}, {A::MixLeftRight, {Glyph::Badge, Orange, "LR"}},
        {A::PerEcho, {Glyph::Badge, Orange, "Ech"}}, {A::RndEcho, {Glyph::Badge, Orange, "E?"}},
        {A::TempoPitch, {Glyph::Badge, Orange, "T/P"}}, {A::WaveRunSountory, {Glyph::Badge, Orange, "Fac"}},
        {A::FilterBlock, {Glyph::Badge, Teal, "FB"}}, {A::FilterLow, {Glyph::Badge, Teal, "Lo"}},
        {A::FilterHigh, {Glyph::Badge, Teal, "Hi"}}, {A::FilterRes, {Glyph::Badge, Teal, "Res"}},
        {A::FilterNotch, {Glyph::Badge, Teal, "Nt"}},
        {A::HelpTopicSearch, {Glyph::Badge, Blue, "?s"}}, {A::HelpContents, {Glyph::Badge, Blue, "?"}},
        {A::HelpOnHelp, {Glyph::Badge, Blue, "??"}}, {A::HelpAbout, {Glyph::Badge, Blue, "i"}},
        {A::MusicNote1, {Glyph::Note, Qt::black, "1"}}, {A::MusicNote2, {Glyph::Note, Qt::black, "2"}},
        {A::MusicNote4, {Glyph::Note, Qt::black, "4"}}, {A::MusicNote8, {Glyph::Note, Qt::black, "8"}},
        {A::MusicNote16, {Glyph::Note, Qt::black, "16"}}, {A::MusicNote32, {Glyph::Note, Qt::black, "32"}},
        {A::MusicNote64, {Glyph::Note, Qt::black, "64"}},
        {A::MusicNoteGroupPrev, {Glyph::Arrow, Green, "L"}}, {A::MusicNoteGroupNext, {Glyph::Arrow, Green, "R"}},
        {A::MusicNoteStickUp, {Glyph::Badge, Green, "|^"}}, {A::MusicNoteStickDown, {Glyph::Badge, Green, "|v"}},
        {A::MusicRest1, {Glyph::Rest, Qt::black, "1"}}, {A::MusicRest2, {Glyph::Rest, Qt::black, "2"}},
        {A::MusicRest4, {Glyph::Rest, Qt::black, "4"}}, {A::MusicRest8, {Glyph::Rest, Qt::black, "8"}},
        {A::MusicRest16, {Glyph::Rest, Qt::black, "16"}}, {A::MusicRest32, {Glyph::Rest, Qt::black, "32"}},
        {A::MusicRest64, {Glyph::Rest, Qt::black, "64"}},
        {A::MusicGenerate, {Glyph::Wave, Green, ""}}, {A::MusicDelete, {Glyph::Badge, Red, "Del"}},
        {A::MusicDialogStaves, {Glyph::Badge, Green, "St"}}, {A::MusicDialogParts, {Glyph::Badge, Green, "Pt"}},
        {A::MusicClefG, {Glyph::Badge, Grey, "G"}}, {A::MusicClefC, {Glyph::Badge, Grey, "C"}},
        {A::MusicClefF, {Glyph::Badge, Grey, "F"}},
        {A::MusicModeDelete, {Glyph::Badge, Red, "-"}}, {A::MusicModeEdit, {Glyph::Badge, Blue, "Ed"}},
        {A::MusicModeAdd, {Glyph::Badge, Green, "+"}},
        {A::MusicMoveNext, {Glyph::Arrow, Blue, "R"}}, {A::MusicMovePrev, {Glyph::Arrow, Blue, "L"}},
        {A::MusicMoveUp, {Glyph::Arrow, Blue, "U"}}, {A::MusicMoveDown, {Glyph::Arrow, Blue, "D"}},
        {A::MusicMoveOctUp, {Glyph::Badge, Blue, "8^"}}, {A::MusicMoveOctDown, {Glyph::Badge, Blue, "8v"}},
        {A::MusicNSDCross, {Glyph::Badge, Grey, "x"}}, {A::MusicNSCross, {Glyph::Badge, Grey, "#"}},
        {A::MusicNSNormal, {Glyph::Badge, Grey, "n"}}, {A::MusicNSMol, {Glyph::Badge, Grey, "b"}},
        {A::MusicNSDMol, {Glyph::Badge, Grey, "bb"}},
        {A::MusicPointAdd, {Glyph::Badge, Grey, "+."}}, {A::MusicPointDelete, {Glyph::Badge, Grey, "-."}},
        {A::MusicSelectDown, {Glyph::Arrow, Teal, "D"}}, {A::MusicSelectNext, {Glyph::Arrow, Teal, "R"}},
        {A::MusicSelectPrev, {Glyph::Arrow, Teal, "L"}}, {A::MusicSelectUp, {Glyph::Arrow, Teal, "U"}},
        {A::MusicPlayNote, {Glyph::Play, Green, ""}}, {A::MusicAutoPlay, {Glyph::Badge, Green, "A>"}},
        {A::MusicTwin, {Glyph::Badge, Purple, "2"}}, {A::MusicTriplet, {Glyph::Badge, Purple, "3"}},
        {A::MusicQuadruplet, {Glyph::Badge, Purple, "4"}}, {A::MusicQuintuplet, {Glyph::Badge, Purple, "5"}},
        {A::MusicStaccatissimo, {Glyph::Badge, Brown, "v"}}, {A::MusicStaccato, {Glyph::Badge, Brown, "."}},
        {A::MusicArtNormal, {Glyph::Badge, Brown, "o"}}, {A::MusicPortato, {Glyph::Badge, Brown, "-."}},
        {A::MusicLegato, {Glyph::Badge, Brown, "-"}},
        {A::ProjectOpen, {Glyph::Folder, Teal, "Pr"}}, {A::ProjectNew, {Glyph::NewPage, Teal, "Pr"}},
        {A::ProjectClose, {Glyph::Badge, Teal, "PrX"}}, {A::ProjectSave, {Glyph::Disk, Teal, "Pr"}},
        {A::ProjectExport, {Glyph::Badge, Teal, "Exp"}},
        {A::SntValidate, {Glyph::Badge, Orange, "OK"}}, {A::SntModeDrag, {Glyph::Badge, Orange, "Drg"}},
        {A::SntModeConn, {Glyph::Badge, Orange, "->"}}, {A::SntRunCrWnd, {Glyph::Badge, Orange, "Run"}},
        {A::SntShowHints, {Glyph::Badge, Orange, "?"}},
    };
    return designs;
}

void Label(QPainter& p, const QRectF& box, const QString& text, const QColor& colour)
{
    if (text.isEmpty())
        return;
    QFont font("Sans");
    font.setBold(true);
    font.setPixelSize(text.size() <= 1 ? 13 : text.size() == 2 ? 10 : 8);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, text);
}

void PaintPage(QPainter& p, const QColor& colour, qreal dx = 0)
{
    QPainterPath page;
    page.moveTo(5 + dx, 2);
    page.lineTo(14 + dx, 2);
    page.lineTo(19 + dx, 7);
    page.lineTo(19 + dx, 22);
    page.lineTo(5 + dx, 22);
    page.closeSubpath();
    p.setPen(QPen(colour.darker(150), 1));
    p.setBrush(Qt::white);
    p.drawPath(page);
}

void PaintArrow(QPainter& p, const QColor& colour, char direction)
{
    int angle = direction == 'U' ? -90 : direction == 'D' ? 90 : direction == 'L' ? 180 : 0;
    p.save();
    p.translate(12, 12);
    p.rotate(angle);
    QPainterPath arrow;
    arrow.moveTo(-9, -3);
    arrow.lineTo(2, -3);
    arrow.lineTo(2, -8);
    arrow.lineTo(10, 0);
    arrow.lineTo(2, 8);
    arrow.lineTo(2, 3);
    arrow.lineTo(-9, 3);
    arrow.closeSubpath();
    p.setPen(QPen(colour.darker(150), 1));
    p.setBrush(colour);
    p.drawPath(arrow);
    p.restore();
}

void PaintNote(QPainter& p, const QString& length, bool rest)
{
    p.setPen(QPen(Qt::black, 1.5));
    const int len = length.toInt();
    if (rest) {
        if (len <= 2) {
            p.setBrush(Qt::black);
            p.drawLine(3, 12, 13, 12);
            p.drawRect(QRectF(5, len == 1 ? 12 : 8, 6, 4));
        } else {
            p.drawLine(QPointF(9, 4), QPointF(6, 11));
            p.drawLine(QPointF(6, 11), QPointF(11, 15));
            p.drawLine(QPointF(11, 15), QPointF(7, 20));
            int flags = len >= 8 ? (len == 8 ? 1 : len == 16 ? 2 : len == 32 ? 3 : 4) : 0;
            for (int i = 0; i < flags; ++i)
                p.drawEllipse(QPointF(5, 5 + 4 * i), 1.5, 1.5);
        }
    } else {
        p.setBrush(len >= 4 ? Qt::black : Qt::white);
        p.drawEllipse(QRectF(3, 15, 8, 6));
        if (len >= 2)
            p.drawLine(QPointF(11, 18), QPointF(11, 3));
        int flags = len == 8 ? 1 : len == 16 ? 2 : len == 32 ? 3 : len == 64 ? 4 : 0;
        for (int i = 0; i < flags; ++i)
            p.drawLine(QPointF(11, 3 + 3 * i), QPointF(15, 7 + 3 * i));
    }
    QFont font("Sans");
    font.setPixelSize(8);
    p.setFont(font);
    p.setPen(Qt::darkGray);
    p.drawText(QRectF(12, 14, 12, 10), Qt::AlignRight | Qt::AlignBottom, length);
}

void Paint(QPainter& p, const TIconDesign& design)
{
    const QString label = QString::fromUtf8(design.label);
    const QColor c = design.colour;
    switch (design.glyph) {
    case Glyph::Badge:
        p.setPen(QPen(c.darker(140), 1));
        p.setBrush(c.lighter(185));
        p.drawRoundedRect(QRectF(1.5, 1.5, 21, 21), 4, 4);
        Label(p, QRectF(1, 1, 22, 22), label, c.darker(130));
        break;
    case Glyph::NewPage:
        PaintPage(p, c);
        p.setPen(QPen(QColor(230, 170, 0), 2));
        p.drawLine(QPointF(17, 1), QPointF(17, 7));
        p.drawLine(QPointF(14, 4), QPointF(20, 4));
        Label(p, QRectF(5, 8, 14, 14), label, c);
        break;
    case Glyph::Folder: {
        QPainterPath folder;
        folder.moveTo(2, 6);
        folder.lineTo(9, 6);
        folder.lineTo(11, 8);
        folder.lineTo(21, 8);
        folder.lineTo(21, 20);
        folder.lineTo(2, 20);
        folder.closeSubpath();
        p.setPen(QPen(QColor(150, 110, 20), 1));
        p.setBrush(QColor(245, 205, 100));
        p.drawPath(folder);
        Label(p, QRectF(2, 8, 19, 12), label, c);
        break;
    }
    case Glyph::Disk:
        p.setPen(QPen(c.darker(150), 1));
        p.setBrush(c);
        p.drawRect(QRectF(3, 3, 18, 18));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6, 3, 12, 7));
        Label(p, QRectF(3, 11, 18, 10), label, Qt::white);
        break;
    case Glyph::Copy:
        PaintPage(p, c, -2);
        p.translate(3, 0);
        PaintPage(p, c, 0);
        p.translate(-3, 0);
        Label(p, QRectF(8, 8, 14, 14), label, c);
        break;
    case Glyph::Revert:
        PaintPage(p, c);
        p.setPen(QPen(c, 2));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(7, 8, 10, 10), 90 * 16, 270 * 16);
        p.drawLine(QPointF(12, 8), QPointF(9, 6));
        p.drawLine(QPointF(12, 8), QPointF(9, 11));
        break;
    case Glyph::Play:
    case Glyph::PlayMax: {
        QPainterPath triangle;
        triangle.moveTo(6, 4);
        triangle.lineTo(19, 12);
        triangle.lineTo(6, 20);
        triangle.closeSubpath();
        p.setPen(QPen(c.darker(150), 1));
        p.setBrush(c);
        p.drawPath(triangle);
        if (design.glyph == Glyph::PlayMax) {
            p.setPen(QPen(Qt::red, 2));
            p.drawLine(QPointF(21, 3), QPointF(21, 21));
        }
        break;
    }
    case Glyph::Stop:
        p.setPen(QPen(c.darker(150), 1));
        p.setBrush(c);
        p.drawRect(QRectF(5, 5, 14, 14));
        break;
    case Glyph::Pause:
        p.setPen(QPen(c.darker(150), 1));
        p.setBrush(c);
        p.drawRect(QRectF(5, 4, 5, 16));
        p.drawRect(QRectF(14, 4, 5, 16));
        break;
    case Glyph::Record:
        p.setPen(QPen(c.darker(150), 1));
        p.setBrush(c);
        p.drawEllipse(QRectF(4, 4, 16, 16));
        break;
    case Glyph::Undo:
    case Glyph::DeleteUndo:
        p.setPen(QPen(Blue, 2.5));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(5, 6, 14, 12), 0, 200 * 16);
        p.drawLine(QPointF(5, 13), QPointF(2, 9));
        p.drawLine(QPointF(5, 13), QPointF(9, 10));
        if (design.glyph == Glyph::DeleteUndo) {
            p.setPen(QPen(Red, 2.5));
            p.drawLine(QPointF(12, 13), QPointF(21, 22));
            p.drawLine(QPointF(21, 13), QPointF(12, 22));
        }
        break;
    case Glyph::Wave: {
        QPainterPath sine;
        sine.moveTo(2, 12);
        sine.cubicTo(6, 0, 8, 0, 12, 12);
        sine.cubicTo(16, 24, 18, 24, 22, 12);
        p.setPen(QPen(Qt::gray, 1));
        p.drawLine(2, 12, 22, 12);
        p.setPen(QPen(c, 2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(sine);
        break;
    }
    case Glyph::Note:
    case Glyph::Rest:
        PaintNote(p, label, design.glyph == Glyph::Rest);
        break;
    case Glyph::Arrow:
        PaintArrow(p, c, label.isEmpty() ? 'R' : label[0].toLatin1());
        break;
    case Glyph::Window:
        p.setPen(QPen(c.darker(130), 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(2.5, 3.5, 13, 10));
        p.drawRect(QRectF(8.5, 9.5, 13, 10));
        p.setBrush(QColor(40, 90, 200));
        p.drawRect(QRectF(8.5, 9.5, 13, 3));
        Label(p, QRectF(8, 12, 14, 8), label, c.darker(130));
        break;
    }
}

// The factory's pictures: by category a colour, by function a figure or label.
const QColor Make = Blue, Edit = Purple, Manipulate = Green, Filter = Teal, Mathematics = Orange,
             Logic = Brown, Miscellaneous = Grey, Nodes = Red;

const std::map<int, TIconDesign>& FactoryDesigns()
{
    static const std::map<int, TIconDesign> designs = {
        {1, {Glyph::NewPage, Make, "W"}},       {7, {Glyph::Badge, Miscellaneous, "Prp"}},
        {15, {Glyph::Badge, Miscellaneous, "Sta"}}, {20, {Glyph::Badge, Edit, "><|"}},
        {21, {Glyph::Badge, Edit, "><="}},      {22, {Glyph::Badge, Edit, "|<>"}},
        {23, {Glyph::Badge, Edit, "=<>"}},      {30, {Glyph::Badge, Make, "Bl"}},
        {32, {Glyph::Badge, Make, "/"}},        {33, {Glyph::Badge, Make, "Ns"}},
        {34, {Glyph::Badge, Make, "0"}},        {35, {Glyph::Wave, Make, ""}},
        {36, {Glyph::Badge, Make, "/\\"}},      {38, {Glyph::Badge, Edit, "Tr"}},
        {41, {Glyph::Badge, Edit, "Del"}},      {42, {Glyph::Badge, Edit, "Ex"}},
        {43, {Glyph::Badge, Edit, "+"}},        {44, {Glyph::Badge, Edit, "Ins"}},
        {46, {Glyph::Badge, Manipulate, "Vol"}}, {47, {Glyph::Badge, Manipulate, "Bal"}},
        {48, {Glyph::Badge, Manipulate, "Blk"}}, {49, {Glyph::Badge, Manipulate, "Dis"}},
        {50, {Glyph::Badge, Manipulate, "Len"}}, {51, {Glyph::Badge, Manipulate, "LR"}},
        {52, {Glyph::Badge, Manipulate, "Max"}}, {53, {Glyph::Badge, Manipulate, "Rev"}},
        {54, {Glyph::Badge, Manipulate, "RI"}}, {55, {Glyph::Badge, Manipulate, "RO"}},
        {57, {Glyph::Arrow, Manipulate, "U"}},  {58, {Glyph::Badge, Filter, "FB"}},
        {59, {Glyph::Badge, Manipulate, "T/P"}}, {60, {Glyph::Badge, Filter, "Hi"}},
        {61, {Glyph::Badge, Filter, "Lo"}},     {62, {Glyph::Badge, Filter, "Nt"}},
        {63, {Glyph::Badge, Manipulate, "Ech"}}, {64, {Glyph::Badge, Filter, "Res"}},
        {127, {Glyph::Badge, Manipulate, "Nor"}}, {133, {Glyph::Arrow, Manipulate, "R"}},
        {141, {Glyph::Badge, Nodes, "F"}},      {142, {Glyph::Badge, Nodes, "F+"}},
        {143, {Glyph::Badge, Mathematics, "Rnd"}}, {144, {Glyph::Badge, Mathematics, "*"}},
        {145, {Glyph::Badge, Mathematics, "+"}}, {146, {Glyph::Badge, Mathematics, "/"}},
        {147, {Glyph::Badge, Mathematics, "-"}}, {148, {Glyph::Badge, Logic, "or"}},
        {149, {Glyph::Badge, Logic, "and"}},    {150, {Glyph::Badge, Logic, "nan"}},
        {151, {Glyph::Badge, Logic, "nor"}},    {152, {Glyph::Badge, Logic, "not"}},
        {153, {Glyph::Badge, Logic, "imp"}},    {154, {Glyph::Badge, Logic, "xor"}},
        {157, {Glyph::Badge, Mathematics, "tan"}}, {158, {Glyph::Badge, Mathematics, "cos"}},
        {159, {Glyph::Badge, Mathematics, "sin"}}, {160, {Glyph::Badge, Mathematics, "x^y"}},
        {161, {Glyph::Badge, Mathematics, "rt"}}, {162, {Glyph::Badge, Mathematics, "log"}},
        {163, {Glyph::Badge, Mathematics, "Gau"}}, {164, {Glyph::Badge, Mathematics, "<>"}},
        {165, {Glyph::Badge, Mathematics, "="}}, {166, {Glyph::Badge, Mathematics, ">"}},
        {167, {Glyph::Badge, Mathematics, ">="}}, {168, {Glyph::Badge, Mathematics, "min"}},
        {169, {Glyph::Badge, Mathematics, "max"}}, {170, {Glyph::Badge, Miscellaneous, "?:"}},
        {172, {Glyph::Badge, Mathematics, "lgm"}}, {173, {Glyph::Badge, Mathematics, "avg"}},
        {175, {Glyph::Badge, Miscellaneous, "t/p"}}, {176, {Glyph::Badge, Miscellaneous, "pt"}},
        {177, {Glyph::Badge, Mathematics, "mod"}}, {178, {Glyph::Badge, Mathematics, "cnv"}},
        {184, {Glyph::Badge, Nodes, "F@"}},     {185, {Glyph::Badge, Nodes, "f()"}},
    };
    return designs;
}

QPixmap DesignBitmap(const TIconDesign& design)
{
    QPixmap pixmap(IconSize, IconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    Paint(painter, design);
    return pixmap;
}

} // namespace

QPixmap FactoryPictureBitmap(int number)
{
    auto design = FactoryDesigns().find(number);
    return design == FactoryDesigns().end() ? QPixmap() : DesignBitmap(design->second);
}

QIcon FactoryPictureIcon(int number)
{
    const QPixmap pixmap = FactoryPictureBitmap(number);
    return pixmap.isNull() ? QIcon() : QIcon(pixmap);
}

std::vector<int> FactoryPictureNumbers()
{
    std::vector<int> numbers;
    for (const auto& [number, design] : FactoryDesigns())
        numbers.push_back(number);
    return numbers;
}

int ToolBarImageCount()
{
    int count = 0;
    for (const TActionInfo& info : ActionCatalogue())
        count = std::max(count, info.image + 1);
    return count;
}

QPixmap ToolBarBitmap(int image)
{
    QPixmap pixmap(IconSize, IconSize);
    pixmap.fill(Qt::transparent);
    for (const TActionInfo& info : ActionCatalogue()) {
        if (info.image != image)
            continue;
        auto design = Designs().find(info.id);
        if (design == Designs().end())
            break;
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        Paint(painter, design->second);
        break;
    }
    return pixmap;
}

QIcon ToolBarIcon(int image)
{
    return image < 0 ? QIcon() : QIcon(ToolBarBitmap(image));
}
