#pragma once
#include <QWidget>

#include <functional>

class QLineEdit;
class QPushButton;
struct TNavigatorView;

// One navigator of the players window, for the players or for the parts of
// the current player: count and cursor, the four moves, Insert, Append,
// Delete and the two reorders. The names of its controls carry its prefix
// ("Play" or "Sub"): btnPlayFirst, editSubCount and so on.
class TPlayersNavigator : public QWidget {
    Q_OBJECT
public:
    enum Button { First, Previous, Next, Last, Insert, Append, Delete, MovePrev, MoveNext, ButtonCount };

    TPlayersNavigator(const QString& prefix, QWidget* parent);

    // Runs for every click on a button.
    void OnClick(std::function<void(Button)> handler) { clicked = std::move(handler); }
    // Count, cursor and the enabled buttons.
    void Show(const TNavigatorView& view);

    QPushButton* ButtonOf(Button button) const { return buttons[button]; }
    QLineEdit* CountEdit() const { return editCount; }
    QLineEdit* CursorEdit() const { return editCursor; }

private:
    QPushButton* buttons[ButtonCount] = {};
    QLineEdit* editCount = nullptr;
    QLineEdit* editCursor = nullptr;
    std::function<void(Button)> clicked;
};
