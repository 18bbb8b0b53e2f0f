#pragma once

#include <QWidget>
#include <functional>

// A plain drawing surface whose painting and mouse handling belong to the
// window that holds it.
class TPaintBox : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;

    std::function<void(QPainter&)> OnPaint;
    std::function<void(QMouseEvent&)> OnMouseDown;
    std::function<void(QMouseEvent&)> OnMouseMove;
    std::function<void(QMouseEvent&)> OnMouseUp;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
