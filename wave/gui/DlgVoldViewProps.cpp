#include "wave/gui/DlgVoldViewProps.h"

#include "foundation/GuiMessages.h"
#include "foundation/gui/ColorBox.h"
#include "foundation/gui/GridRow.h"
#include "foundation/gui/RadioGroup.h"
#include "foundation/gui/ValueLineEdit.h"
#include "wave/gui/DlgColorPalette1D.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int VoldViewHelpContext = 3;

QPushButton* WindowButton(QWidget* owner, const char* name)
{
    auto* button = new QPushButton("< Window", owner);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

} // namespace

TDlgVoldViewProps::TDlgVoldViewProps(QWidget* owner, const TVoldViewProps& props, TVoldViewProps* defaultProps,
                                     uint32_t sampleFreq, int32_t viewsWidth, int32_t viewsHeight, int channels)
    : TOKHelpRightDlg(owner), Props(props), DefaultProps(defaultProps), PaletteCopy(props.ColorPalette1D),
      SampleFreq(sampleFreq), ViewsWidth(viewsWidth), ViewsHeight(viewsHeight), Channels(channels)
{
    setObjectName("DlgVoldViewProps");
    setWindowTitle("Volume Diagram");
    SetHelpContext(VoldViewHelpContext);
    QFrame* frame = Bevel();
    auto* columns = new QHBoxLayout(frame);

    // Left column: resolution, frequency band, distribution and sensitivity.
    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel("Resolution", frame));
    auto* resolution = new QGridLayout;
    editXResolution = AddGridRow(resolution, 0, "Horizontal", new TValueLineEdit(frame));
    editXResolution->setObjectName("editXResolution");
    btnXWindow = WindowButton(frame, "btnXWindow");
    resolution->addWidget(btnXWindow, 0, 2);
    editYResolution = AddGridRow(resolution, 1, "Vertical", new TValueLineEdit(frame));
    editYResolution->setObjectName("editYResolution");
    btnYWindow = WindowButton(frame, "btnYWindow");
    resolution->addWidget(btnYWindow, 1, 2);
    left->addLayout(resolution);
    auto* frequency = new QGroupBox("Frequency", frame);
    auto* frequencyGrid = new QGridLayout(frequency);
    editTop = AddGridRow(frequencyGrid, 0, "Top", new TValueLineEdit(frequency));
    editTop->setObjectName("editTop");
    editBottom = AddGridRow(frequencyGrid, 1, "Bottom", new TValueLineEdit(frequency));
    editBottom->setObjectName("editBottom");
    editWidth = AddGridRow(frequencyGrid, 2, "Width", new TValueLineEdit(frequency));
    editWidth->setObjectName("editWidth");
    left->addWidget(frequency);
    QGroupBox* axis = MakeRadioGroup("Horizontal Distribution", {"Frequency Linear", "Logaritmic", "Time Linear"},
                                     grpFreqAxis, frame);
    axis->setObjectName("grpFreqAxis");
    left->addWidget(axis);
    QGroupBox* sensitivity = MakeRadioGroup(
        "Sensitivity", {"Low (Kwadratic)", "Normal (Linear)", "High (Square root)", "Very High (Fourth root)"},
        grpSensitivity, frame);
    sensitivity->setObjectName("grpSensitivity");
    left->addWidget(sensitivity);
    auto* strength = new QGridLayout;
    editStrength = AddGridRow(strength, 0, "Strength", new TValueLineEdit(frame));
    editStrength->setObjectName("editStrength");
    left->addLayout(strength);
    left->addStretch();
    columns->addLayout(left);

    // Right column: the colours.
    auto* right = new QVBoxLayout;
    auto* colors = new QGroupBox("Colors", frame);
    auto* colorsLayout = new QVBoxLayout(colors);
    auto* colorsGrid = new QGridLayout;
    cbBackgroundColor = AddGridRow(colorsGrid, 0, "Background", new TColorBox(colors));
    cbBackgroundColor->setObjectName("cbBackgroundColor");
    cbSingleColor = AddGridRow(colorsGrid, 1, "Volume Single or Both ", new TColorBox(colors));
    cbSingleColor->setObjectName("cbSingleColor");
    colorsLayout->addLayout(colorsGrid);
    chkUsePalette = new QCheckBox("Use Palette for Single Diagrams", colors);
    chkUsePalette->setObjectName("chkUsePalette");
    colorsLayout->addWidget(chkUsePalette);
    btnEditPalette = new QPushButton("Edit Palette...", colors);
    btnEditPalette->setObjectName("btnEditPalette");
    btnEditPalette->setAutoDefault(false);
    colorsLayout->addWidget(btnEditPalette, 0, Qt::AlignLeft);
    auto* stereo = new QGroupBox("Stereo", colors);
    auto* stereoGrid = new QGridLayout(stereo);
    cbLeftColor = AddGridRow(stereoGrid, 0, "Volume Left", new TColorBox(stereo));
    cbLeftColor->setObjectName("cbLeftColor");
    cbRightColor = AddGridRow(stereoGrid, 1, "Volume Right", new TColorBox(stereo));
    cbRightColor->setObjectName("cbRightColor");
    colorsLayout->addWidget(stereo);
    right->addWidget(colors);
    auto* cursor = new QGridLayout;
    cbCursorColor = AddGridRow(cursor, 0, "Cursor", new TColorBox(frame));
    cbCursorColor->setObjectName("cbCursorColor");
    right->addLayout(cursor);
    chkDrawSingle = new QCheckBox("2 Single Diagrams when Stereo", frame);
    chkDrawSingle->setObjectName("chkDrawSingle");
    right->addWidget(chkDrawSingle);
    chkUseAsDefault = new QCheckBox("Use As Default", frame);
    chkUseAsDefault->setObjectName("chkUseAsDefault");
    right->addWidget(chkUseAsDefault);
    right->addStretch();
    columns->addLayout(right);

    connect(btnXWindow, &QPushButton::clicked, this, &TDlgVoldViewProps::btnXWindowClick);
    connect(btnYWindow, &QPushButton::clicked, this, &TDlgVoldViewProps::btnYWindowClick);
    connect(btnEditPalette, &QPushButton::clicked, this, &TDlgVoldViewProps::btnEditPaletteClick);
    FormShow();
}

bool TDlgVoldViewProps::Run(QWidget* owner, int channels, uint32_t sampleFreq, int viewsWidth, int viewsHeight,
                            TVoldViewProps& defaults, TVoldViewProps& props)
{
    TDlgVoldViewProps dialog(owner, props, &defaults, sampleFreq, viewsWidth, viewsHeight, channels);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    props = dialog.GetProps();
    return true;
}

void TDlgVoldViewProps::FormShow()
{
    chkDrawSingle->setChecked(Props.DrawSingle);
    cbBackgroundColor->SetSelected(Props.BackgroundColor);
    cbSingleColor->SetSelected(Props.SingleColor);
    cbLeftColor->SetSelected(Props.LeftColor);
    cbRightColor->SetSelected(Props.RightColor);
    cbCursorColor->SetSelected(Props.CursorColor);
    chkUsePalette->setChecked(Props.UseColorPalette1D);
    // No band above half the sample frequency: it could not be heard in the wave.
    if (SampleFreq > 0) {
        const double shortest = 2.0 / SampleFreq;
        if (Props.TimeTop.GetValue() < shortest)
            Props.TimeTop.SetValue(shortest);
        if (Props.TimeBottom.GetValue() < shortest)
            Props.TimeBottom.SetValue(shortest);
    }
    Props.Strength.ShowInEdit(*editStrength);
    Props.XResolution.ShowInEdit(*editXResolution);
    Props.YResolution.ShowInEdit(*editYResolution);
    Props.TimeTop.ShowInEdit(*editTop);
    Props.TimeBottom.ShowInEdit(*editBottom);
    Props.YWidth.ShowInEdit(*editWidth);
    grpFreqAxis->button(Props.FreqAxisKind <= YLinTime ? Props.FreqAxisKind : int{YLog})->setChecked(true);
    grpSensitivity->button(Props.SensKind <= SensVeryHigh ? Props.SensKind : int{SensNormal})->setChecked(true);
    chkUseAsDefault->setChecked(false);
}

void TDlgVoldViewProps::btnXWindowClick()
{
    unitIntegerPosMore(ViewsWidth, EHNone).ShowInEdit(*editXResolution);
}

void TDlgVoldViewProps::btnYWindowClick()
{
    int32_t rows = ViewsHeight;
    // Two diagrams share the height.
    if (chkDrawSingle->isChecked() && Channels == 2)
        rows = static_cast<int32_t>((static_cast<int64_t>(ViewsHeight) + 1) / 2);
    unitIntegerPosMore(rows, EHNone).ShowInEdit(*editYResolution);
}

void TDlgVoldViewProps::btnEditPaletteClick()
{
    TDlgColorPalette1D dialog(this, PaletteCopy);
    if (dialog.exec() != QDialog::Accepted)
        return;
    chkUsePalette->setChecked(true);
    PaletteCopy = dialog.GetPalette();
}

void TDlgVoldViewProps::accept()
{
    Props.DrawSingle = chkDrawSingle->isChecked();
    Props.BackgroundColor = cbBackgroundColor->GetSelected();
    Props.SingleColor = cbSingleColor->GetSelected();
    Props.LeftColor = cbLeftColor->GetSelected();
    Props.RightColor = cbRightColor->GetSelected();
    Props.CursorColor = cbCursorColor->GetSelected();
    Props.FreqAxisKind = static_cast<uint8_t>(std::max(grpFreqAxis->checkedId(), 0));
    Props.SensKind = static_cast<uint8_t>(std::max(grpSensitivity->checkedId(), 0));

    // A band above the sample frequency cannot be computed.
    const double sampleTime = SampleFreq > 0 ? 1.0 / SampleFreq : 0.0;
    const TGuiMessages messages;
    bool ok = true;
    Props.TimeTop.CheckEdit(ok, *editTop, "Top Frequency");
    if (ok && Props.TimeTop.GetValue() < sampleTime) {
        messages.ShowInputError("Top Frequency may not be higher than the sample Frequency.");
        ok = false;
    }
    Props.TimeBottom.CheckEdit(ok, *editBottom, "Bottom Frequency");
    if (ok && Props.TimeTop.GetValue() == Props.TimeBottom.GetValue()) {
        messages.ShowInputError("Top Frequency and Bottom Frequency must be different.");
        ok = false;
    }
    if (ok && Props.TimeBottom.GetValue() < sampleTime) {
        messages.ShowInputError("Bottom Frequency may not be higher than the sample Frequency.");
        ok = false;
    }
    Props.Strength.CheckEdit(ok, *editStrength, "Strength");
    Props.XResolution.CheckEdit(ok, *editXResolution, "Horizontal Resolution");
    Props.YResolution.CheckEdit(ok, *editYResolution, "Vertical Resolution");
    // The side file refuses such a diagram too: it would be saved and never read back.
    if (ok && !Props.CellCountFits()) {
        messages.ShowInputErrorIn("Vertical Resolution",
                                  "A volume diagram of " + std::to_string(Props.XResolution.GetValue()) + " x " +
                                      std::to_string(Props.YResolution.GetValue()) + " cells is too large; at most " +
                                      std::to_string(TVoldViewProps::MaxCellCount) + " cells are allowed.");
        ok = false;
    }
    Props.YWidth.CheckEdit(ok, *editWidth, "Frequency Width");
    Props.ColorPalette1D = PaletteCopy;
    Props.UseColorPalette1D = chkUsePalette->isChecked();
    if (!ok)
        return;
    if (chkUseAsDefault->isChecked() && DefaultProps)
        *DefaultProps = Props;
    TOKHelpRightDlg::accept();
}
