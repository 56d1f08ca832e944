#pragma once

#include <QPushButton>

// A button in graphical style: its picture above its caption.
class BotonGrafico : public QPushButton
{
    Q_OBJECT
public:
    BotonGrafico(const QIcon &dibujo, QSize tamanoDibujo, QWidget *padre);

protected:
    void paintEvent(QPaintEvent *evento) override;
};
