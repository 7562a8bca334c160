#include "wave/gui/DlgWaveViewProps.h"

#include "foundation/gui/ColorBox.h"
#include "foundation/gui/GridRow.h"
#include "foundation/gui/RadioGroup.h"
#include "foundation/gui/ValueLineEdit.h"
#include "wave/gui/dialogs/WaveComboBox.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace {

constexpr int WaveViewHelpContext = 23;

} // namespace

TDlgWaveViewProps::TDlgWaveViewProps(QWidget* owner, const TWaveViewProps& props, TWaveViewProps* defaultProps)
    : TOKHelpRightDlg(owner), Props(props), DefaultProps(defaultProps)
{
    setObjectName("DlgWaveViewProps");
    setWindowTitle("Wave View");
    SetHelpContext(WaveViewHelpContext);
    QFrame* frame = Bevel();
    auto* columns = new QHBoxLayout(frame);

    // Left column: how the samples are drawn, grid, cursor, background and envelope.
    auto* left = new QVBoxLayout;
    QGroupBox* draw = MakeRadioGroup("Draw", {"Lines", "Points"}, grpDraw, frame);
    draw->setObjectName("grpDraw");
    left->addWidget(draw);
    QGroupBox* distribution = MakeRadioGroup("Distribution", {"Constant", "Random"}, grpDistribution, frame);
    distribution->setObjectName("grpDistribution");
    left->addWidget(distribution);
    auto* grid = new QGridLayout;
    editValuesPerPixel = AddGridRow(grid, 0, "Values per Pixel:", new TValueLineEdit(frame));
    editValuesPerPixel->setObjectName("editValuesPerPixel");
    chkDrawGrid = new QCheckBox("Draw Grid", frame);
    chkDrawGrid->setObjectName("chkDrawGrid");
    cbGridColor = new TColorBox(frame, true);
    cbGridColor->setObjectName("cbGridColor");
    grid->addWidget(chkDrawGrid, 1, 0);
    grid->addWidget(cbGridColor, 1, 1);
    cbCursorColor = AddGridRow(grid, 2, "Cursor", new TColorBox(frame));
    cbCursorColor->setObjectName("cbCursorColor");
    left->addLayout(grid);
    chkDrawSingle = new QCheckBox("2 Single Waves when Stereo", frame);
    chkDrawSingle->setObjectName("chkDrawSingle");
    left->addWidget(chkDrawSingle);

    auto* background = new QGroupBox("Background", frame);
    auto* backgroundGrid = new QGridLayout(background);
    cbBackgroundColor = AddGridRow(backgroundGrid, 0, "Color", new TColorBox(background));
    cbBackgroundColor->setObjectName("cbBackgroundColor");
    chkDrawEnvelope = new QCheckBox("Draw Envelope", background);
    chkDrawEnvelope->setObjectName("chkDrawEnvelope");
    backgroundGrid->addWidget(chkDrawEnvelope, 1, 0, 1, 2);
    cbEnvelope = AddGridRow(backgroundGrid, 2, "Envelope", new TWaveComboBox(background));
    cbEnvelope->setObjectName("cbEnvelope");
    editEnvelopeStrength = AddGridRow(backgroundGrid, 3, "Strength", new TValueLineEdit(background));
    editEnvelopeStrength->setObjectName("editEnvelopeStrength");
    left->addWidget(background);
    left->addStretch();
    columns->addLayout(left);

    // Right column: the colours of the wave.
    auto* right = new QVBoxLayout;
    auto* colors = new QGroupBox("Colors Wave", frame);
    auto* colorsLayout = new QVBoxLayout(colors);
    auto* colorsGrid = new QGridLayout;
    cbSingleColor = AddGridRow(colorsGrid, 0, "Single Wave", new TColorBox(colors));
    cbSingleColor->setObjectName("cbSingleColor");
    editStrength = AddGridRow(colorsGrid, 1, "Strength", new TValueLineEdit(colors));
    editStrength->setObjectName("editStrength");
    colorsLayout->addLayout(colorsGrid);
    auto* stereo = new QGroupBox("Stereo", colors);
    auto* stereoGrid = new QGridLayout(stereo);
    cbLeftColor = AddGridRow(stereoGrid, 0, "Left", new TColorBox(stereo));
    cbLeftColor->setObjectName("cbLeftColor");
    cbRightColor = AddGridRow(stereoGrid, 1, "Right", new TColorBox(stereo));
    cbRightColor->setObjectName("cbRightColor");
    QGroupBox* combine = MakeRadioGroup("Combine", {"Mixed", "Left at Front", "Right at Front"}, grpCombine, stereo);
    combine->setObjectName("grpCombine");
    stereoGrid->addWidget(combine, 2, 0, 1, 2);
    colorsLayout->addWidget(stereo);
    right->addWidget(colors);
    chkUseAsDefault = new QCheckBox("Use As Default", frame);
    chkUseAsDefault->setObjectName("chkUseAsDefault");
    right->addWidget(chkUseAsDefault);
    right->addStretch();
    columns->addLayout(right);

    connect(chkDrawGrid, &QCheckBox::toggled, cbGridColor, &QWidget::setEnabled);
    connect(grpDraw, &QButtonGroup::idClicked, this, &TDlgWaveViewProps::DrawClicked);
    auto tickEnvelope = [this] { chkDrawEnvelope->setChecked(true); };
    connect(cbEnvelope, &QComboBox::currentTextChanged, this, tickEnvelope);
    connect(editEnvelopeStrength, &QLineEdit::textChanged, this, tickEnvelope);
    FormShow();
}

bool TDlgWaveViewProps::Run(QWidget* owner, TWaveViewProps& defaults, TWaveViewProps& props)
{
    TDlgWaveViewProps dialog(owner, props, &defaults);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    props = dialog.GetProps();
    return true;
}

void TDlgWaveViewProps::FormShow()
{
    grpDraw->button(Props.DrawKind == DrawPixels ? 1 : 0)->setChecked(true);
    grpDistribution->button(Props.DistKind == DistRandom ? 1 : 0)->setChecked(true);
    grpCombine->button(Props.FrontKind <= FrontRight ? Props.FrontKind : int{FrontNone})->setChecked(true);
    chkDrawGrid->setChecked(Props.UseGrid);
    cbGridColor->setEnabled(Props.UseGrid);
    chkDrawSingle->setChecked(Props.DrawSingle);
    cbGridColor->SetSelected(Props.GridColor);
    cbCursorColor->SetSelected(Props.CursorColor);
    cbBackgroundColor->SetSelected(Props.BackgroundColor);
    cbSingleColor->SetSelected(Props.SingleColor);
    cbLeftColor->SetSelected(Props.LeftColor);
    cbRightColor->SetSelected(Props.RightColor);
    Props.ValuesPerPixel.ShowInEdit(*editValuesPerPixel);
    Props.Strength.ShowInEdit(*editStrength);
    Props.EnvelopeStrength.ShowInEdit(*editEnvelopeStrength);
    DrawClicked();

    // Any open wave but the one this window shows may be the envelope.
    cbEnvelope->FillWaveNames(1);
    cbEnvelope->SelectName(Props.Envelope.GetName());
    // Last: filling the fields above ticks it.
    chkDrawEnvelope->setChecked(Props.DrawEnvelope);
    chkUseAsDefault->setChecked(false);
}

void TDlgWaveViewProps::DrawClicked()
{
    // The strength of a point: lines have none.
    editStrength->setEnabled(grpDraw->checkedId() == 1);
}

void TDlgWaveViewProps::accept()
{
    Props.DrawKind = grpDraw->checkedId() == 1 ? DrawPixels : DrawLines;
    Props.DistKind = grpDistribution->checkedId() == 1 ? DistRandom : DistPeriod;
    Props.FrontKind = static_cast<uint8_t>(std::max(grpCombine->checkedId(), 0));
    Props.UseGrid = chkDrawGrid->isChecked();
    Props.DrawSingle = chkDrawSingle->isChecked();
    Props.GridColor = cbGridColor->GetSelected();
    Props.CursorColor = cbCursorColor->GetSelected();
    Props.BackgroundColor = cbBackgroundColor->GetSelected();
    Props.SingleColor = cbSingleColor->GetSelected();
    Props.LeftColor = cbLeftColor->GetSelected();
    Props.RightColor = cbRightColor->GetSelected();

    bool ok = true;
    Props.ValuesPerPixel.CheckEdit(ok, *editValuesPerPixel, "Values per Pixel");
    Props.Strength.CheckEdit(ok, *editStrength, "Strength");
    if (chkDrawEnvelope->isChecked()) {
        Props.DrawEnvelope = true;
        Props.Envelope = unitUnitWave(cbEnvelope->currentText().toStdString());
    } else {
        Props.DrawEnvelope = false;
    }
    Props.EnvelopeStrength.CheckEdit(ok, *editEnvelopeStrength, "Background Strength");
    if (!ok)
        return;
    if (chkUseAsDefault->isChecked() && DefaultProps)
        *DefaultProps = Props;
    TOKHelpRightDlg::accept();
}
