#pragma once
#include <QAbstractScrollArea>

class TMDIChildMuz;

// The client area of a music window: the music painted on its viewport,
// with the two scroll bars; mouse and keys go to the window.
class TMusicArea : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TMusicArea(TMDIChildMuz& window);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    TMDIChildMuz& Window;
};
