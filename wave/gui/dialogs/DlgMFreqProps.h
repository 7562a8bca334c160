#pragma once
#include "wave/gui/dialogs/EffectDialog.h"
#include "wave/props/MFreqProps.h"

#include <array>

class TRecordNavigator;

// "Multi Frequency": the length, sines or a wave form, and the components,
// edited one at a time through the record browser of the dialog's copy.
class TDlgMFreqProps : public TEffectDialog<TOKHelpRightDlg, TMFreqProps>, public TMFreqRecordEditor {
public:
    TDlgMFreqProps(QWidget* owner, const TMFreqProps& props);

    // The browser's view of the five component edits.
    bool ReadRecordEdits(std::unique_ptr<TMFreqBrowseRecord>& record) override;
    void ShowRecordEdits(const TMFreqBrowseRecord& record) override;
    void ClearRecordEdits() override;
    void ShowNavigator(int32_t count, int32_t position, bool canBack, bool canForward, bool canDelete,
                       bool canPaste) override;

    QLineEdit* editLength;
    QRadioButton* optSinus;
    QRadioButton* optWaveForm;
    TWaveComboBox* cboWaveForm;
    TRecordNavigator* navigator;
    QLineEdit* editVolume;
    QLineEdit* editFrequency;
    QLineEdit* editAngle;
    QLineEdit* editVolFact;
    QLineEdit* editVolFactTime;
    QCheckBox* chkDefVolume;
    QCheckBox* chkDefFrequency;
    QCheckBox* chkDefAngle;
    QCheckBox* chkDefVolFact;
    QCheckBox* chkDefVolFactTime;

protected:
    void OnCancel() override;

private:
    // The edits of a component with their Default boxes and flags, in reading order.
    struct TComponentEdit {
        QLineEdit* edit;
        QCheckBox* box;
        uint8_t TMFreqProps::*flag;
    };
    std::array<TComponentEdit, 5> ComponentEdits() const;
    void chkDefClick();
};
