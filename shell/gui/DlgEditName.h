#pragma once
#include <QWidget>

#include <string>

class QLineEdit;
class QPushButton;
class TFileUnit;
class TMDIChildQuarbel;
class TMainForm;

// The "Edit Name" tool window: the name of the active document, which OK (or
// Return) renames to what was typed, an empty name included; Cancel shows the
// document's name again. It has no data of its own and stays above the main
// window, below the dialogs the main window opens. Closing it only hides it,
// and the main window hears of it.
class TDlgEditName : public QWidget {
    Q_OBJECT
public:
    explicit TDlgEditName(TMainForm& mainForm);

    void ShowName(const std::string& name);
    // A document, or none: the field is emptied and everything disabled.
    void ShowUnit(TFileUnit* unit);
    void SetWindow(TMDIChildQuarbel* window);

    // A place given from outside (a project) is kept.
    void MarkPlaced()
    {
        Placed = true;
        AutoPlaced = false;
    }

    void btnOkClick();
    void btnCancelClick();

    QLineEdit* editName;
    QPushButton* btnOk;
    QPushButton* btnCancel;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowAsToolWindow();
    // The first time it is shown with the main window: at the top right of the
    // main window's document area, below the toolbars, inside the screen's
    // work area. Later it keeps its place, inside the work area.
    void PlaceInWindowArea();

    TMainForm& Main;
    bool Placed = false;
    // Placed by PlaceInWindowArea, not from outside.
    bool AutoPlaced = false;
};
