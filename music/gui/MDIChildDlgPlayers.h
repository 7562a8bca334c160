#pragma once
#include "music/PlayersPresenter.h"
#include "music/PlayersWindowAccess.h"
#include "wave/window/gui/MDIChildQuarbel.h"

#include <array>
#include <memory>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QStackedWidget;
class TCompoundPlayer;
class TPlayersNavigator;
class TUnitPlayers;

// The document window of a player set, of fixed size: the players and the
// parts of the current player with their navigators, the player's name, the
// part's kind as a row of page buttons over the kind's fields, its values and
// its balance. It edits the set in place: a field is committed when it is
// left, every accepted change marks the set modified. It owns its set.
class TMDIChildDlgPlayers : public TMDIChildQuarbel, public TPlayersWindowAccess {
    Q_OBJECT
public:
    static constexpr int WindowWidth = 635;
    static constexpr int WindowHeight = 545;
    static constexpr int HelpContext = 66;

    TMDIChildDlgPlayers(MainFormGuiAccess& mainForm, std::unique_ptr<TUnitPlayers> set);
    ~TMDIChildDlgPlayers() override;

    TUnitPlayers* GetUnitPlayers() const { return UnitPlayers.get(); }
    // Shows another set (a reverted one) and gives the one shown before back.
    std::unique_ptr<TUnitPlayers> SetUnitPlayers(std::unique_ptr<TUnitPlayers> set);
    TPlayersPresenter& Presenter() { return presenter; }
    // Makes the player current and shows it.
    void GoToPlayer(TCompoundPlayer* player);

    // ---- what the set asks ----
    void UpdateControls() override;
    void CommitPendingEdit() override;
    void CloseWithoutQuestion() override;

    // ---- the window base ----
    void FillCommandState(TCommandSnapshot& snapshot) const override;
    bool NeedsSaving() const override;
    bool SaveDocument() override;
    void EvFormOnActivate() override;
    bool FormCloseQuery() override;

    // ---- for tests: the controls by their field ----
    QWidget* FieldWidget(TPlayersField field) const { return fields[static_cast<int>(field)]; }
    QLineEdit* FieldEdit(TPlayersField field) const;
    TPlayersNavigator* PlayerNavigator() const { return navPlay; }
    TPlayersNavigator* PartNavigator() const { return navSub; }
    QButtonGroup* PageButtons() const { return pageButtons; }
    QStackedWidget* Pages() const { return pcPlay; }
    QCheckBox* BalanceBox() const { return chkPlayBalance; }
    QCheckBox* TimeDiffBox() const { return chkPlayBalTimeDiff; }
    QButtonGroup* VolDiffButtons() const { return volDiffButtons; }
    QGroupBox* PartGroup() const { return grpSub; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    QWidget* BuildPage(int kind);
    void AddField(TPlayersField field, QWidget* widget);
    void Apply(TPlayersRefresh refresh);
    void ShowBalance(const TPlayersView& view, bool withText);
    void FillNameLists();
    void FieldLeft(TPlayersField field);

    std::unique_ptr<TUnitPlayers> UnitPlayers;
    TPlayersPresenter presenter;
    bool CloseWithoutQuestionFlag = false;
    TPlayersField lastEdited = TPlayersField::Count;

    std::array<QWidget*, PlayersFieldCount> fields{};
    QGroupBox* grpPlay = nullptr;
    QGroupBox* grpSub = nullptr;
    QStackedWidget* pcPlay = nullptr;
    QButtonGroup* pageButtons = nullptr;
    QCheckBox* chkPlayBalance = nullptr;
    QCheckBox* chkPlayBalTimeDiff = nullptr;
    QButtonGroup* volDiffButtons = nullptr;
    TPlayersNavigator* navPlay = nullptr;
    TPlayersNavigator* navSub = nullptr;
};
