// Saves pictures of FRMDOSYA under a folder (default /tmp/zendaro-files), on a
// copy of the shipped database with a few students' files, so a person can
// look at them: the list ("dosyalar.png"), a filled file ("dosya.png") and
// the first page of its document ("belge.png", by pdftoppm), the manual's
// pictures help/dosyalar.png, help/dosya.png and help/belge.png. Run it with
// QT_SCALE_FACTOR=1.5 to see the window at 150 %.
#include "RecordingMessages.h"
#include "RecordingNavigator.h"
#include "TestDatabase.h"
#include "files/FileEditorPage.h"
#include "files/FileReport.h"
#include "files/FileStore.h"
#include "files/FilesWindow.h"
#include "files/SchemaUpgrade.h"
#include "ui/DataGrid.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QTest>

using namespace zendaro;

namespace {

constexpr qint64 UsLetters = 3; // "ABD Harf Notu Sistemi"
constexpr qint64 Bachelor = 2;  // "Dornela Lisans Not Sistemi"

FileCourse course(const char* code, const char* name, double credit, double ects, const char* grade,
                  bool counts = true) {
    FileCourse c;
    c.code = QString::fromUtf8(code);
    c.name = QString::fromUtf8(name);
    c.credit = credit;
    c.ects = ects;
    c.grade = QString::fromUtf8(grade);
    c.counts = counts;
    return c;
}

ConversionFile student(const char* name, const char* number, const char* programme, const char* university) {
    ConversionFile file;
    file.studentName = QString::fromUtf8(name);
    file.studentNumber = QString::fromUtf8(number);
    file.programme = QString::fromUtf8(programme);
    file.otherUniversity = QString::fromUtf8(university);
    file.otherScaleId = UsLetters;
    file.homeScaleId = Bachelor;
    return file;
}

void save(const QImage& image, const QString& path) {
    // The manual's pictures are 640 pixels wide.
    image.convertToFormat(QImage::Format_RGB32)
        .scaled(640, 479, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .save(path);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/zendaro-files");
    QDir().mkpath(folder);
    auto shipped = test::TestDatabase::copyOfShipped();
    const SchemaState schema = UpgradeSchema(shipped.path());
    FileStore store(shipped.path());

    ConversionFile filled =
        student("Elif Yıldırım", "2024100417", "Bilgisayar Mühendisliği", "University of Wisconsin–Madison");
    filled.note = QStringLiteral("Erasmus dışı değişim; transkript 12.09.2024 tarihli.");
    filled.courses = {course("CS 200", "Programming I", 3, 6, "A"),
                      course("CS 240", "Introduction to Discrete Mathematics", 3, 6, "A-"),
                      course("CS 252", "Introduction to Computer Engineering", 2, 4, "B+"),
                      course("CS 300", "Programming II", 3, 6, "B"),
                      course("CS 354", "Machine Organization and Programming", 3, 6, "B-"),
                      course("MATH 221", "Calculus and Analytic Geometry 1", 5, 8, "C+"),
                      course("MATH 222", "Calculus and Analytic Geometry 2", 4, 7, "C"),
                      course("PHYS 207", "General Physics", 5, 8, "D"),
                      course("ENGL 100", "Introduction to College Composition", 3, 5, "A"),
                      course("ECON 101", "Principles of Microeconomics", 4, 6, "B+"),
                      course("STAT 240", "Data Science Modeling I", 4, 6, "F"),
                      course("COMM 101", "Speech Communication", 2, 3, "A-"),
                      course("KINES 119", "Fitness", 1, 2, "A", false),
                      course("CS 400", "Programming III", 3, 6, "B"),
                      course("CS 564", "Database Management Systems", 3, 6, "A-")};
    // A result stored before the scale was edited: shown old and new, marked.
    CourseResult before;
    before.converted = true;
    before.homeLetter = QStringLiteral("BB");
    before.homeValue = 3;
    before.letterValue = 3;
    before.homeStatus = QStringLiteral("GEÇER");
    before.passed = true;
    filled.courses[3].stored = before;
    const QList<ConversionFile> others{
        student("Mehmet Can Öztürk", "2023200981", "Makine Mühendisliği", "Technische Universität München"),
        student("Işıl Şahin", "2022300155", "İktisat", "Universidad de Granada"),
        student("Ayşe Demir", "2024100033", "Matematik", "University of Toronto")};
    for (ConversionFile file : others) {
        file.courses = {course("MATH 101", "Analysis I", 4, 8, "B"),
                        course("PHYS 101", "Physics", 3, 6, "A")};
        store.save(file);
    }
    store.save(filled);

    test::RecordingNavigator navigator;
    test::RecordingMessages messages;
    FilesWindow window(shipped.path(), RegionalSettings::turkish(), navigator, schema);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.show();
    (void)QTest::qWaitForWindowExposed(&window);
    QApplication::processEvents();
    const QImage list = window.grab().toImage();
    list.save(folder + QStringLiteral("/list.png"));
    save(list, folder + QStringLiteral("/dosyalar.png"));

    auto* grid = window.findChild<DataGrid*>(QStringLiteral("DG_DOSYALAR"));
    grid->setCurrentRowNumber(0);
    emit grid->doubleClicked(grid->model()->index(0, 0));
    QApplication::processEvents();
    const QImage file = window.grab().toImage();
    file.save(folder + QStringLiteral("/file.png"));
    save(file, folder + QStringLiteral("/dosya.png"));

    // The document's first page, 640 pixels wide as the manual's other pictures.
    auto* editor = window.editorPage();
    const QString pdf = folder + QStringLiteral("/belge.pdf");
    if (!WriteFileReport(pdf, shipped.path(), editor->work(), QDateTime::currentDateTime()).isEmpty())
        return 1;
    return QProcess::execute(QStringLiteral("pdftoppm"),
                             {QStringLiteral("-png"), QStringLiteral("-f"), QStringLiteral("1"),
                              QStringLiteral("-l"), QStringLiteral("1"), QStringLiteral("-scale-to-x"),
                              QStringLiteral("640"), QStringLiteral("-scale-to-y"), QStringLiteral("-1"),
                              QStringLiteral("-singlefile"), pdf, folder + QStringLiteral("/belge")});
}
