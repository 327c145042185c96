#pragma once

#include <QMetaType>
#include <QString>
#include <QVector>

namespace zendaro {

// What the batch window hands to a new conversion file ("Dosyaya Aktar"):
// the chosen scales and the listed courses, grade and credit, in list order.
struct BatchHandOver {
    struct Course {
        QString grade;
        double credit = 0;
    };
    qint64 otherScaleId = -1;
    qint64 homeScaleId = -1;
    QVector<Course> courses;
};

} // namespace zendaro

Q_DECLARE_METATYPE(zendaro::BatchHandOver)
