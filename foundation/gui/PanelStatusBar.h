#pragma once
#include <QWidget>

#include <initializer_list>
#include <string>
#include <vector>

class QLabel;

// A status bar of fixed-width panels; the first one shows the hint of the
// control under the mouse. The panels stand side by side from the left, each
// at its own width; those that do not fit are cut at the bar's right edge.
// A panel is never narrower than its given width,
// and widened to hold its widest text in the font in use. A text longer than
// its panel is shown cut with an ellipsis inside the panel; the panel's text
// stays whole.
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
    // The width the panel needs to show text whole.
    static int WidthFor(const QLabel* panel, const QString& text);
    // Widens panel n, if need be, to hold the widest of texts.
    void FitPanel(int n, const std::vector<std::string>& texts);

private:
    std::vector<QLabel*> panels;
};
