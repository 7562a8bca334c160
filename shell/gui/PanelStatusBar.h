#pragma once
#include <QWidget>

#include <initializer_list>
#include <vector>

class QLabel;

// A status bar of fixed-width panels; the first one shows the hint of the
// control under the mouse.
class TPanelStatusBar : public QWidget {
    Q_OBJECT
public:
    // raised: the number of the panel drawn raised, or -1.
    TPanelStatusBar(const QString& name, std::initializer_list<int> widths, int raised, QWidget* parent = nullptr);

    int PanelCount() const { return static_cast<int>(panels.size()); }
    QLabel* Panel(int n) const; // null for an unknown number
    int PanelWidth(int n) const;
    void SetPanelText(int n, const QString& text);
    QString PanelText(int n) const;

private:
    std::vector<QLabel*> panels;
};
