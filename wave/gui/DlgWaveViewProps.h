#pragma once
#include "foundation/gui/OKCancelDialogs.h"
#include "wave/view/WaveViewProps.h"

class QButtonGroup;
class QCheckBox;
class TColorBox;
class TValueLineEdit;
class TWaveComboBox;

// The "Wave View" dialog: how a wave window draws its waveform. It edits its
// own copy of the settings; on OK with "Use As Default" ticked the copy also
// becomes the main window's default for new wave windows. A field that does
// not read keeps the dialog open with its message.
class TDlgWaveViewProps : public TOKHelpRightDlg {
    Q_OBJECT
public:
    // The default is the main window's and may be overwritten; it may be null.
    TDlgWaveViewProps(QWidget* owner, const TWaveViewProps& props, TWaveViewProps* defaultProps);

    TWaveViewProps GetProps() const { return Props; }
    // Runs the dialog modally on props: true on OK, props then holding what
    // was chosen (and defaults too when "Use As Default" was ticked).
    static bool Run(QWidget* owner, TWaveViewProps& defaults, TWaveViewProps& props);

    void accept() override; // OK

    QButtonGroup* grpDraw;
    QButtonGroup* grpDistribution;
    TValueLineEdit* editValuesPerPixel;
    QCheckBox* chkDrawGrid;
    TColorBox* cbGridColor;
    TColorBox* cbCursorColor;
    QCheckBox* chkDrawSingle;
    TColorBox* cbBackgroundColor;
    QCheckBox* chkDrawEnvelope;
    TWaveComboBox* cbEnvelope;
    TValueLineEdit* editEnvelopeStrength;
    TColorBox* cbSingleColor;
    TValueLineEdit* editStrength;
    TColorBox* cbLeftColor;
    TColorBox* cbRightColor;
    QButtonGroup* grpCombine;
    QCheckBox* chkUseAsDefault;

private:
    void FormShow();
    void DrawClicked();

    TWaveViewProps Props;
    TWaveViewProps* DefaultProps;
};
