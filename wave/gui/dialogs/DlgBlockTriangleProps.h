#pragma once
#include "wave/gui/dialogs/EffectDialog.h"
#include "wave/props/BlockTriangleProps.h"

// "Make Block" and "Make Triangle" (the caption is given): two heights, a
// period by frequency (with a middle or a middle envelope) or by two times,
// a length, count or length of another wave, and a start position.
class TDlgBlockTriangleProps : public TEffectDialog<TOKHelpRightDlg, TBlockTriangleProps> {
public:
    TDlgBlockTriangleProps(QWidget* owner, const QString& caption, const TBlockTriangleProps& props);

    QRadioButton* optFrequency;
    QRadioButton* optTime;
    QLineEdit* editHeight1;
    QLineEdit* editHeight2;
    QLineEdit* editFrequency;
    QRadioButton* optMiddleConstant;
    QLineEdit* editMiddle;
    QRadioButton* optMiddleEnvelope;
    TWaveComboBox* cboMiddleEnvelope;
    QLineEdit* editTime1;
    QLineEdit* editTime2;
    QRadioButton* optLengthNew;
    QLineEdit* editLengthNew;
    QRadioButton* optLengthSameAs;
    TWaveComboBox* cboLengthSameAs;
    QRadioButton* optLengthCount;
    QLineEdit* editLengthCount;
    QLineEdit* editStartPosition;
};
