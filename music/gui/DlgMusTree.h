#pragma once
#include "music/dialogs/MusicPartsPresenter.h"
#include "music/document/MusicPartsCommands.h"

#include <QDialog>

#include <array>
#include <memory>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QStatusBar;
class QTabBar;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;
class TMDIChildMuz;
class MainFormGuiAccess;
class TPartMuz;
class TTreeDataResult;
class TUnitMuz;

// The modeless "Music Parts" dialog: the part tree of the active music as it
// is built ("Music Structure") or as it plays ("Music Result"), the fields of
// the selected node, the commands that reshape the tree, go to a part's
// symbols and play or generate a subtree. A typed field is applied when it
// is left; a refused one keeps the focus, the node and the tab.
class TDlgMusTree : public QDialog {
    Q_OBJECT
public:
    static constexpr int HelpContext = 52;

    explicit TDlgMusTree(MainFormGuiAccess& mainForm);
    ~TDlgMusTree() override;

    // The music window that became active, or none: refilled only for another music.
    void SetUnitMuz(TMDIChildMuz* window);
    // The music's parts changed: the shown values follow, the tree stays.
    void MusicPartsChanged(TUnitMuz* unit);

    void RefreshAll();
    void FillTree();
    TPartMuz* GetSelectedPartMuz() const;
    QAction* Command(TPartsCommand command) const { return commands[static_cast<int>(command)]; }
    QLineEdit* RowEdit(TPartsRow row) const;
    bool HasEditError() const { return EditError; }
    TTreeDataResult* GetTreeResult() const { return TreeResult.get(); }

    // The form's controls, named as the form names them.
    QMenuBar* MainMenuMuzTree;
    QToolBar* ToolBar1;
    QTabBar* tcMusic;
    QTreeWidget* tvMusParts;
    QCheckBox* chkPlayDraw;
    QPushButton* btnPlay;
    QPushButton* btnGen;
    QLineEdit* editTempoTime;
    QPushButton* btnApply;
    QPushButton* btnClose;
    QPushButton* HelpBtn;
    QStatusBar* StatusBar1;

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct TRow {
        QWidget* line;
        QLineEdit* edit;
        QLineEdit* extra;
    };

    void BuildCommands();
    void BuildPanel(QWidget* panel);
    void ShowNode(QTreeWidgetItem* node);
    void ShowNodeProperties(QTreeWidgetItem* node);
    void RunCommand(TPartsCommand command);
    void TreeSelectionChanged(QTreeWidgetItem* node);
    void TabChanged(int index);
    // Applies a field typed into and not applied yet; false when it was refused.
    bool CommitEdit();
    void EditExit();
    void ApplyPendingEdit();
    void RefreshResultTree();
    void PlayOrGenerate(bool generate);
    void ExpandAll(QTreeWidgetItem* node, bool expanded);

    MainFormGuiAccess& Main;
    TUnitMuz* UnitMuz = nullptr;
    std::unique_ptr<TTreeDataResult> TreeResult;
    std::array<QAction*, PartsCommandCount> commands{};
    std::array<TRow, 16> rows{};
    QWidget* rowPanel = nullptr;
    QTreeWidgetItem* SelectedNode = nullptr;
    QTreeWidgetItem* ReselectNode = nullptr;
    QLineEdit* PendingEdit = nullptr;
    int UpdateCount = 0;
    bool EditError = false;
    int shownTab = 0;
};
