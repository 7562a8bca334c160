#pragma once
#include <QPoint>
#include <QWidget>

#include <optional>
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
// and the main window hears of it; shown again, it is where it was.
class TDlgEditName : public QWidget {
    Q_OBJECT
public:
    explicit TDlgEditName(TMainForm& mainForm);

    void ShowName(const std::string& name);
    // A document, or none: the field is emptied and everything disabled.
    void ShowUnit(TFileUnit* unit);
    void SetWindow(TMDIChildQuarbel* window);

    // A place given from outside (a project): the top left corner of its
    // frame, kept inside the available area of the screen it falls on.
    void SetFrameCorner(const QPoint& corner);
    // Where the frame's corner is, or where it goes when shown.
    QPoint FrameCorner() const;

    void btnOkClick();
    void btnCancelClick();

    QLineEdit* editName;
    QPushButton* btnOk;
    QPushButton* btnCancel;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    // Until it has a place: at the top right of the main window's document
    // area, below the toolbars. Later at its place. Always inside the area.
    void Place();
    QPoint CornerInWindowArea(const QRect& area, const QSize& frame) const;

    TMainForm& Main;
    // Where the frame's corner stands once it has a place of its own.
    std::optional<QPoint> Corner;
};
