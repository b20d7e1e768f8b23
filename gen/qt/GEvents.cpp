#include "gen/qt/GEvents.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QObject>
#include <QSlider>

#include <utility>

namespace gen::qt::ev {

QSlider* val_changed(QSlider* s, std::function<void(int)> f) {
    QObject::connect(
        s, &QAbstractSlider::valueChanged, s, [f = std::move(f)](int v) { f(v); }, Qt::DirectConnection);
    return s;
}

QAbstractButton* clicked(QAbstractButton* b, std::function<void()> f) {
    QObject::connect(
        b, &QAbstractButton::clicked, QCoreApplication::instance(), [f = std::move(f)] { f(); },
        Qt::AutoConnection);
    return b;
}

} // namespace gen::qt::ev
