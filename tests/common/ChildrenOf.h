#pragma once

// The toolkit's widgets carry no meta-object of their own, so findChildren<T>()
// cannot tell them from their Qt base class; this goes by the C++ type.

#include <QList>
#include <QObject>

// The descendants of `root` of type T, in the order they were made.
template <typename T>
QList<T*> children_of(const QObject& root) {
    QList<T*> found;
    for (QObject* o : root.findChildren<QObject*>())
        if (auto* t = dynamic_cast<T*>(o)) found << t;
    return found;
}
