#pragma once

#include <QObject>

// Swallows the mouse press that is being delivered and the release that belongs to it, so that a click whose
// press took the focus from a box that refused its text does not reach the control it was aimed at. It
// removes itself at the first later press, which belongs to a new click.
class TragarPulsacion : public QObject
{
    Q_OBJECT
public:
    // Installs a filter on the application for the press now under way.
    static void Instalar();

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    bool pulsacionTragada = false;
};
