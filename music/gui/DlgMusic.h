#pragma once
#include "music/dialogs/MusicStavesPresenter.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class TColorBox;
class TMDIChildMuz;
class MainFormGuiAccess;
class TPlayersNavigator;

// The modeless "Music Staves" dialog: the staves of the active music and the
// note groups of the current stave, how each is drawn and played, their
// lists, playing and generating one of them, and going to the stave in the
// music window or to a group's player. It edits the music in place; the
// logic is the presenter's. It exists once, follows the active music window
// and stays above the main window as its dialog, below the message boxes it
// raises.
class TDlgMusic : public QDialog {
    Q_OBJECT
public:
    static constexpr int HelpContext = 51;

    explicit TDlgMusic(MainFormGuiAccess& mainForm);

    // The music window that became active, or none.
    void SetUnitMuz(TMDIChildMuz* window);
    // A stave's rooms changed in the music window.
    void StaveChanged(TNoteStave* stave);
    TMusicStavesPresenter& Presenter() { return presenter; }

    void ShowAll();

    // The form's controls, named as the form names them.
    TPlayersNavigator* navStave;
    TPlayersNavigator* navGroup;
    QGroupBox* grpStave;
    QGroupBox* grpNoteGroup;
    QCheckBox* chkPlayEnablePlay;
    QCheckBox* chkNoteGroupFactory;
    QComboBox* cboNoteGroupFactory;
    QComboBox* cboPlayerSet;
    QComboBox* cboPlayer;
    QPushButton* btnGoToPlayer;
    QLineEdit* editPlayFreqFactor;
    QLineEdit* editPlayVolumeFactor;
    QCheckBox* chkGroupDrawSticksUp;
    QCheckBox* chkGroupDrawSticksDown;
    QGroupBox* grpGroupNoteShape;
    QButtonGroup* grpGroupNoteShapeButtons;
    TColorBox* colbGroupNoteColor;
    QPushButton* btnGroupPlayBeforeFact;
    QPushButton* btnGroupGenBeforeFact;
    QPushButton* btnGroupPlayAfterFact;
    QPushButton* btnGroupGenAfterFact;
    QCheckBox* chkStaveEnablePlayAndDraw;
    QCheckBox* chkStaveFactory;
    QComboBox* cboStaveFactory;
    QPushButton* btnStavePlayBeforeFact;
    QPushButton* btnStaveGenBeforeFact;
    QPushButton* btnStavePlayAfterFact;
    QPushButton* btnStaveGenAfterFact;
    QPushButton* btnGoToStave;
    QLineEdit* editStaveRoomUp;
    QLineEdit* editStaveRoomDown;
    QCheckBox* chkStaveAllowJoinFlags;
    QCheckBox* chkStaveExtraLines;
    TColorBox* colbStaveForeground;
    TColorBox* colbStaveBackground;
    QPushButton* btnApply;
    QPushButton* btnClose;
    QPushButton* HelpBtn;

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildNoteGroup(QWidget* parent);
    void BuildStave(QWidget* parent);
    void Connect();
    void ShowStave(const TMusicStavesView& view);
    void ShowNoteGroup(const TMusicStavesView& view);
    void FillNames();
    void FillPlayerNames();
    void UpdateGoToPlayer();
    // After a list edit or a move: the staves or groups shown anew.
    void Refresh();
    // The field left: its value applied, the focus back when it was refused.
    void FieldLeft(QLineEdit* edit);
    void ApplyBtnClick();
    void GoToPlayerClick();
    void GoToStaveClick();

    MainFormGuiAccess& Main;
    TMusicStavesPresenter presenter;
    QLineEdit* lastField = nullptr;
};
