#pragma once
#include "foundation/gui/OKCancelDialogs.h"
#include "wave/view/VoldViewProps.h"

#include <cstdint>

class QButtonGroup;
class QCheckBox;
class QPushButton;
class TColorBox;
class TValueLineEdit;

// The "Volume Diagram" dialog: how a wave window computes and draws its
// volume diagram. It edits its own copy of the settings and of their palette;
// on OK with "Use As Default" ticked the copy also becomes the main window's
// default for new wave windows. On show, bands above half the sample
// frequency are lowered to it; OK refuses bands above the sample frequency,
// equal top and bottom bands, and a diagram too large for memory.
class TDlgVoldViewProps : public TOKHelpRightDlg {
    Q_OBJECT
public:
    // The default is the main window's and may be overwritten; it may be null.
    // The wave's sample frequency in hertz, its panes' total width and common
    // height in pixels, and its channel count (1 or 2).
    TDlgVoldViewProps(QWidget* owner, const TVoldViewProps& props, TVoldViewProps* defaultProps,
                      uint32_t sampleFreq, int32_t viewsWidth, int32_t viewsHeight, int channels);

    TVoldViewProps GetProps() const { return Props; }
    // Runs the dialog modally on props: true on OK, props then holding what
    // was chosen (and defaults too when "Use As Default" was ticked).
    static bool Run(QWidget* owner, int channels, uint32_t sampleFreq, int viewsWidth, int viewsHeight,
                    TVoldViewProps& defaults, TVoldViewProps& props);

    void accept() override; // OK

    // "< Window" beside each resolution, and "Edit Palette...".
    void btnXWindowClick();
    void btnYWindowClick();
    void btnEditPaletteClick();

    TValueLineEdit* editXResolution;
    QPushButton* btnXWindow;
    TValueLineEdit* editYResolution;
    QPushButton* btnYWindow;
    TValueLineEdit* editTop;
    TValueLineEdit* editBottom;
    TValueLineEdit* editWidth;
    QButtonGroup* grpFreqAxis;
    QButtonGroup* grpSensitivity;
    TValueLineEdit* editStrength;
    TColorBox* cbBackgroundColor;
    TColorBox* cbSingleColor;
    QCheckBox* chkUsePalette;
    QPushButton* btnEditPalette;
    TColorBox* cbLeftColor;
    TColorBox* cbRightColor;
    TColorBox* cbCursorColor;
    QCheckBox* chkDrawSingle;
    QCheckBox* chkUseAsDefault;

    // The palette "Edit Palette..." works on; it becomes the settings' on OK.
    const TColorPalette1DItem& GetPaletteCopy() const { return PaletteCopy; }

private:
    void FormShow();

    TVoldViewProps Props;
    TVoldViewProps* DefaultProps;
    TColorPalette1DItem PaletteCopy;
    uint32_t SampleFreq;
    int32_t ViewsWidth;
    int32_t ViewsHeight;
    int Channels;
};
