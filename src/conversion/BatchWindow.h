#pragma once

#include "conversion/ConversionForm.h"

#include <memory>

namespace zendaro {

class CourseList;

// FRMCOGUL: the conversion window with a course-entry area (a course's grade,
// its credit, an add-to-list button and the course list with its totals and
// report). The convert button converts the single grade of the input box below
// the grids; the result animation flashes the convert button twice, then slides
// the home letter out from behind it to the right. The typed grade does not move.
class BatchWindow : public ConversionForm {
    Q_OBJECT
public:
    BatchWindow(const QString& databasePath, const RegionalSettings& regional, Navigator& navigator,
                QWidget* parent = nullptr);

    ~BatchWindow() override;

    const CourseList& courses() const { return *courses_; }

protected:
    void emptyBoxesOnPick() override;
    void showScaleKind(bool letterScale) override;
    void focusAfterPick() override;
    void inputChanged() override;
    ConversionVariant variant() const override { return ConversionVariant::Batch; }
    void startAnimation() override;
    void timer2Tick() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void backRequested() override;

private:
    void buildCaptions();
    void buildCourseArea();
    void buildTotals();
    void addToList();
    void removeCourse(int row, int column);
    void scalesPicked();
    void showCourses(int currentRow);
    void saveReport();
    void moveToFile();

    std::unique_ptr<CourseList> courses_;
    QLineEdit* courseGrade_;
    QLineEdit* courseCredit_;
    DataGrid* courseGrid_;
    QFrame* totals_;
    QLabel* courseCount_;
    QLabel* totalCredit_;
    QLabel* average_;
    PictureBttn* report_;
    PictureBttn* toFile_;
};

} // namespace zendaro
