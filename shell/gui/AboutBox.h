#pragma once
#include <QDialog>

class QPushButton;

// The about box: the program's title picture with its version, and OK.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* owner);

    static const char* VersionText();

    QPushButton* OKButton;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
