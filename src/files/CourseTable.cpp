#include "CourseTable.h"

#include "conversion/NumberText.h"

#include <QStyledItemDelegate>

namespace zendaro::course_table {

namespace {

const QColor MarkGround(255, 236, 179);
const QColor MarkText(138, 90, 0);
const QColor CurrentGround(204, 228, 247);

QString resultText(const CourseResult& result, const RegionalSettings& settings) {
    return result.homeLetter + QLatin1Char(' ') + TwoDecimalText(result.homeValue, settings);
}

class CourseDelegate : public QStyledItemDelegate {
public:
    CourseDelegate(const FileWork& work, QObject* parent) : QStyledItemDelegate(parent), work_(work) {}

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.row() < 0 || index.row() >= work_.size())
            return;
        const CourseState& state = work_.states().at(index.row());
        if (state.mark != CourseMark::None) {
            option->backgroundBrush = MarkGround;
            if (index.column() == Mark) {
                option->palette.setColor(QPalette::Text, MarkText);
                option->font.setBold(true);
            }
        }
        const CourseResult shown = state.shown();
        if (shown.converted &&
            (index.column() == HomeLetter || index.column() == HomeValue || index.column() == Status)) {
            option->palette.setColor(QPalette::Text, shown.passed ? PassColour() : FailColour());
            option->font.setBold(index.column() == HomeLetter);
        }
        // The current row on a light ground, so that its results keep their colours.
        if (option->state.testFlag(QStyle::State_Selected)) {
            option->state.setFlag(QStyle::State_Selected, false);
            option->backgroundBrush = CurrentGround;
        }
        if (index.column() != Name && index.column() != Mark)
            option->displayAlignment = Qt::AlignCenter;
    }

private:
    const FileWork& work_;
};

} // namespace

QStringList captions() {
    return {QStringLiteral("Kod"),   QStringLiteral("Ders Adı"), QStringLiteral("Kredi"),
            QStringLiteral("AKTS"),  QStringLiteral("Not"),      QStringLiteral("Ort."),
            QStringLiteral("Harf"),  QStringLiteral("Değer"),    QStringLiteral("Durum"),
            QStringLiteral("İşaret")};
}

bool isNumber(int column) {
    return column == Credit || column == Ects || column == HomeValue;
}

int width(int column) {
    static const int widths[] = {74, 196, 44, 40, 40, 38, 36, 44, 52};
    return column >= 0 && column < Mark ? widths[column] : 0;
}

QVariant cell(const FileWork& work, int row, int column) {
    const FileCourse& course = work.file().courses.at(row);
    const CourseState& state = work.states().at(row);
    const CourseResult shown = state.shown();
    switch (column) {
    case Code:
        return course.code;
    case Name:
        return course.name;
    case Credit:
        return course.credit;
    case Ects:
        return course.ects ? QVariant(*course.ects) : QVariant();
    case Grade:
        return course.grade;
    case Counts:
        return course.counts ? QStringLiteral("Evet") : QStringLiteral("Hayır");
    case HomeLetter:
        return shown.converted ? QVariant(shown.homeLetter) : QVariant();
    case HomeValue:
        return shown.converted ? QVariant(shown.homeValue) : QVariant();
    case Status:
        return shown.converted ? QVariant(shown.homeStatus) : QVariant();
    default:
        return markText(work, row);
    }
}

QString markText(const FileWork& work, int row) {
    const CourseState& state = work.states().at(row);
    if (state.mark != CourseMark::Changed)
        return CourseMarkText(state.mark);
    const CourseResult& old = state.stored;
    return CourseMarkText(state.mark) + QStringLiteral(": ") + resultText(old, work.settings()) +
           QStringLiteral(" → ") + resultText(state.now, work.settings());
}

QAbstractItemDelegate* makeDelegate(const FileWork& work, QObject* parent) {
    return new CourseDelegate(work, parent);
}

} // namespace zendaro::course_table
