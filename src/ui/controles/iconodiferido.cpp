#include "iconodiferido.h"

#include <QIconEngine>
#include <QPainter>

#include <memory>
#include <optional>

namespace {

class MotorDiferido : public QIconEngine
{
public:
    explicit MotorDiferido(std::function<QIcon()> crear)
        : crear(std::make_shared<std::function<QIcon()>>(std::move(crear))),
          icono(std::make_shared<std::optional<QIcon>>())
    {
    }

    void paint(QPainter *pintor, const QRect &zona, QIcon::Mode modo, QIcon::State estado) override
    {
        Icono().paint(pintor, zona, Qt::AlignCenter, modo, estado);
    }
    QPixmap pixmap(const QSize &tamano, QIcon::Mode modo, QIcon::State estado) override
    {
        return Icono().pixmap(tamano, modo, estado);
    }
    QPixmap scaledPixmap(const QSize &tamano, QIcon::Mode modo, QIcon::State estado, qreal escala) override
    {
        return Icono().pixmap(tamano, escala, modo, estado);
    }
    QSize actualSize(const QSize &tamano, QIcon::Mode modo, QIcon::State estado) override
    {
        return Icono().actualSize(tamano, modo, estado);
    }
    QList<QSize> availableSizes(QIcon::Mode modo, QIcon::State estado) override
    {
        return Icono().availableSizes(modo, estado);
    }
    // Every icon of the program has a picture: saying so needs no decoding.
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("IconoDiferido"); }
    // Copies share the function and the icon once made.
    QIconEngine *clone() const override { return new MotorDiferido(*this); }

private:
    const QIcon &Icono()
    {
        if (!*icono)
            *icono = (*crear)();
        return **icono;
    }

    std::shared_ptr<std::function<QIcon()>> crear;
    std::shared_ptr<std::optional<QIcon>> icono;
};

} // namespace

QIcon IconoDiferido(std::function<QIcon()> crear)
{
    return QIcon(new MotorDiferido(std::move(crear)));
}
