#include <gtest/gtest.h>
#include <sys/xattr.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QUrl>
#include <functional>

#include "core/entry_table.h"
#include "support/file_size_limit.h"
#include "support/qt_printers.h"
#include "support/scripted_messages.h"
#include "support/shown_tip.h"
#include "support/temp_log_dir.h"
#include "view_current/current_entries_model.h"
#include "view_current/entry_delegate.h"
#include "view_current/find_moved_dialog.h"
#include "view_current/view_current_dialog.h"
#include "widgets/readable_grey.h"
#include "widgets/settings.h"

namespace kivra {
namespace {

using test::ScriptedMessages;
using test::TempLogDir;
using Act = std::function<void(ViewCurrentDialog&)>;

const QByteArray kThree = "b - 2\r\nA - 1\r\nc - 3\r\n";

QStringList listed(const ViewCurrentDialog& form) {
    QStringList rows;
    const QAbstractItemModel* model = form.entryList()->model();
    for (int row = 0; row < model->rowCount(); ++row)
        rows.append(model->index(row, 0).data().toString());
    return rows;
}

void deleteRow(ViewCurrentDialog& form, int row) {
    form.entryList()->setCurrentIndex(form.entryList()->model()->index(row, 0));
    form.deleteButton()->click();
}

void deleteAll(ViewCurrentDialog& form) {
    while (!listed(form).isEmpty()) deleteRow(form, 0);
}

void nothing(ViewCurrentDialog&) {}

void clearAll(ViewCurrentDialog& form) { form.clearAllButton()->click(); }

Act deleting(int row) {
    return [row](ViewCurrentDialog& form) { deleteRow(form, row); };
}

// Put into the find box, as a paste does, and let finish.
Act finding(const QString& text, Act then = nothing) {
    return [text, then](ViewCurrentDialog& form) {
        form.findEdit()->setText(text);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !form.entries().finding(); }));
        then(form);
    };
}

// The sort by eight key bytes at a time against a plain comparison sort with Qt's own
// decomposition: lines that agree for 7, 8, 9 or more bytes, end inside a chunk, hold NUL bytes,
// invalid bytes, or differ in case or accents only (case twins keep a stable order); letters under
// accents, a dotted capital I, ß, Æ and Hangul syllables.
TEST(ViewCurrent, TheOrderIsAComparisonSortByTheFoldedLine) {
    const QByteArray pieces[] = {"a",        "A",        "b",        "e",       "E",
                                 "\xC3\xA9", "\xC3\x89", "\xC3\xBC", "u",       QByteArray(1, '\0'),
                                 "\\",       " - ",      "\xE9",     "abcdefg", "İ",
                                 "ß",        "Æ",        "ế",        "하",      "한"};
    QByteArray log;
    QRandomGenerator random(7);
    // More lines than the sort takes at once, so its pieces are merged.
    for (int line = 0; line < 70000; ++line) {
        for (int n = random.bounded(25); n > 0; --n)
            log += pieces[random.bounded(static_cast<int>(std::size(pieces)))];
        log += "\r\n";
    }
    EntryTable table;
    table.appendBytes(log);
    std::vector<std::pair<QByteArray, QString>> keyed;
    for (quint32 i = 0; i < table.size(); ++i) {
        QString base = table.text(i).normalized(QString::NormalizationForm_D);
        base.removeIf([](QChar c) { return c.isMark(); });
        keyed.emplace_back(base.toCaseFolded().toUtf8(), table.text(i));
    }
    std::sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first < b.first : EntryLessThan(a.second, b.second);
    });
    QStringList expected;
    for (const auto& [key, text] : keyed) expected.append(text);
    QStringList got;
    for (const quint32 i : table.sorted(table.all())) got.append(table.text(i));
    EXPECT_EQ(got, expected);
}

// The keys, then "Delete Entry" unless the keys end with Delete.
Act pressing(std::initializer_list<Qt::Key> keys) {
    return [keys = QList<Qt::Key>(keys)](ViewCurrentDialog& form) {
        for (const Qt::Key key : keys) QTest::keyClick(form.entryList(), key);
        if (keys.last() != Qt::Key_Delete) form.deleteButton()->click();
    };
}

// F2 on the entry in `row` (else "Edit Entry" from its menu), `typed` put in place of the
// description shown in the box, as a paste does, and `key`: Enter keeps it, Esc drops it.
Act editing(int row, const QString& typed, Qt::Key key = Qt::Key_Return, bool byMenu = false) {
    return [=](ViewCurrentDialog& form) {
        QListView* list = form.entryList();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // an earlier box
        list->setCurrentIndex(list->model()->index(row, 0));
        if (!byMenu)
            QTest::keyClick(list, Qt::Key_F2);
        else if (list->contextMenuPolicy() == Qt::ActionsContextMenu && !list->actions().empty())
            list->actions()[0]->trigger();
        auto* box = list->findChild<QLineEdit*>("entryEditor");
        ASSERT_TRUE(box && box->hasFocus());
        EXPECT_FALSE(box->text().contains(" - ")) << "the path part is not in the box";
        box->selectAll();
        box->insert(typed);
        QTest::keyClick(box, key);
        QCoreApplication::processEvents();  // the box's Enter is taken after the key
    };
}

// What the user did, then the way out: "Return", the close control (or Alt+F4: the close the
// system sends, or Esc in the list) with the question answered.
enum class Out { Return, Close, SystemClose, Escape };

// What leaving leaves in the log after what the user did. The list opens with the focus frame on
// its first entry; the keys select what they land on. A ten-megabyte line is shown short, in a row
// as high as the others, and written back whole. "%1" is a folder whose name holds " - ".
TEST(ViewCurrent, LeavingWritesTheListBackOnlyWhenItShould) {
    const QByteArray longLine = "C:\\x - " + QByteArray(10 << 20, '\xE9');
    constexpr auto kWrite = QMessageBox::Save, kDiscard = QMessageBox::Discard,
                   kCancel = QMessageBox::Cancel, kNotAsked = QMessageBox::NoButton;
    const struct {
        const char* name;
        Act act;
        Out out;
        QByteArray expected;  // "-" for no log at all
        // The answer to the close question, which is asked only where given; Clear All gets Yes.
        QMessageBox::StandardButton asked = kNotAsked;
        QByteArray byOthers = "";  // the log another copy leaves before "Return"; "-" deletes it
        QByteArray before = kThree;
    } rows[] = {
        {"Return on a zero-byte log", nothing, Out::Return, "", kNotAsked, "", ""},
        {"Return, no change: the log's own order", nothing, Out::Return, kThree},
        {"Return after a deletion", deleting(1), Out::Return, "A - 1\r\nc - 3\r\n"},
        {"Return after deleting all one by one", deleteAll, Out::Return, ""},
        {"Return after Clear All", clearAll, Out::Return, "-"},
        {"close control after deleting all, Discard", deleteAll, Out::Close, kThree, kDiscard},
        {"close control after a deletion, Write", deleting(1), Out::Close, "A - 1\r\nc - 3\r\n",
         kWrite},
        {"Alt+F4 after a deletion, Cancel", deleting(1), Out::SystemClose, kThree, kCancel},
        {"Alt+F4 after an edit, Write", editing(0, "one"), Out::SystemClose,
         "b - 2\r\nA - one\r\nc - 3\r\n", kWrite},
        {"close control after an edit, Discard", editing(0, "one"), Out::Close, kThree, kDiscard},
        {"Esc, no change", nothing, Out::Escape, kThree},
        {"Esc after a deletion, Write", deleting(1), Out::Escape, "A - 1\r\nc - 3\r\n", kWrite},
        {"close control after Clear All, the find only spaces", finding("  ", clearAll), Out::Close,
         "-"},
        {"F2, Enter, Return: the path and its own bytes kept",
         [](ViewCurrentDialog& f) { editing(0, "mended")(f), editing(1, "zwei")(f); }, Out::Return,
         "caf\xE9 - zwei\r\n%1/a - b - mended\r\n", kNotAsked, "",
         "caf\xE9 - two\r\n%1/a - b - old\r\n"},
        {"F2, Esc", editing(0, "one", Qt::Key_Escape), Out::Close, kThree},
        {"Edit Entry in a find, a paste of lines, Return",
         finding("b", editing(0, "x\r\ny\nz", Qt::Key_Return, true)), Out::Return,
         "b - x y z\r\nA - 1\r\nc - 3\r\n"},
        {"Edit Entry twice, Return after another copy's append",
         [](ViewCurrentDialog& f) { editing(2, "three")(f), editing(2, "drei")(f); }, Out::Return,
         "b - 2\r\nA - 1\r\nc - drei\r\nd - 4\r\n", kNotAsked, kThree + "d - 4\r\n"},
        {"Return after another copy's append", deleting(1), Out::Return,
         "A - 1\r\nc - 3\r\na - 0\r\n", kNotAsked, kThree + "a - 0\r\n"},
        {"Return after another copy's rewrite: a deleted twin goes once", deleting(1), Out::Return,
         "c - 3\r\nd - 4\r\nA - 1\r\nb - 2\r\n", kNotAsked,
         "c - 3\r\nb - 2\r\nd - 4\r\nA - 1\r\nb - 2\r\n"},
        {"Return after another copy's rewrite: an edit in its line's new place", editing(1, "zwei"),
         Out::Return, "c - 3\r\nb - zwei\r\nA - 1\r\n", kNotAsked, "c - 3\r\nb - 2\r\nA - 1\r\n"},
        {"Return after another copy dropped an edited line: the edit kept", editing(1, "zwei"),
         Out::Return, "A - 1\r\nb - zwei\r\n", kNotAsked, "A - 1\r\n"},
        {"Return after another copy deleted the log", deleting(1), Out::Return,
         "A - 1\r\nc - 3\r\n", kNotAsked, "-"},
        {"Home, Delete key twice", pressing({Qt::Key_Home, Qt::Key_Delete, Qt::Key_Delete}),
         Out::Return, "b - 2\r\nc - 3\r\n"},
        {"Up on the first", pressing({Qt::Key_Up}), Out::Return, "b - 2\r\nc - 3\r\n"},
        {"Down, Delete key: the first", pressing({Qt::Key_Down, Qt::Key_Delete}), Out::Return,
         "b - 2\r\nc - 3\r\n"},
        {"Page Down, Up", pressing({Qt::Key_PageDown, Qt::Key_Up, Qt::Key_Delete}), Out::Return,
         "A - 1\r\nc - 3\r\n"},
        {"a deletion in a find keeps the hidden",
         finding("3",
                 [](ViewCurrentDialog& f) {
                     deleteRow(f, 0);
                     EXPECT_TRUE(listed(f).isEmpty());
                 }),
         Out::Return, "b - 2\r\nA - 1\r\n"},
        {"a deletion while a find runs",
         [](ViewCurrentDialog& f) {
             f.findEdit()->setText("3");
             deleteRow(f, 0);
             finding("3")(f);
             EXPECT_EQ(listed(f), QStringList{"c - 3"});
         },
         Out::Return, "b - 2\r\nc - 3\r\n"},
        {"Clear All in a find", finding("b", clearAll), Out::Return, kThree},
        {"Esc clears the find",
         finding("3",
                 [](ViewCurrentDialog& f) {
                     QTest::keyClick(f.findEdit(), Qt::Key_Escape);
                     deleteRow(f, 0);
                 }),
         Out::Return, "b - 2\r\nc - 3\r\n"},
        {"a ten-megabyte line",
         [](ViewCurrentDialog& f) {
             const QString shown = listed(f)[1];
             EXPECT_EQ(shown.size(), 1001);
             EXPECT_TRUE(shown.endsWith(u"é…"_qs));
             const QAbstractItemModel* model = f.entryList()->model();
             EXPECT_EQ(f.entryList()->visualRect(model->index(0, 0)).height(),
                       f.entryList()->visualRect(model->index(1, 0)).height());
             deleteRow(f, 0);
         },
         Out::Return, longLine + "\r\n", kNotAsked, "", "b - 2\r\n" + longLine + "\r\n"},
    };
    // A home of its own, whose trash "Clear All" fills.
    const QTemporaryDir home;
    const QByteArray savedHome = qgetenv("HOME"), savedData = qgetenv("XDG_DATA_HOME");
    const auto restore =
        qScopeGuard([&] { qputenv("HOME", savedHome), qputenv("XDG_DATA_HOME", savedData); });
    qputenv("HOME", home.path().toUtf8()), qputenv("XDG_DATA_HOME", home.path().toUtf8());
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TempLogDir dir;
        ScriptedMessages messages(row.asked == kNotAsked ? kWrite : row.asked, QMessageBox::Yes);
        const QByteArray folder = dir.path().toUtf8();
        ASSERT_TRUE(QDir(dir.path()).mkdir("a - b"));
        dir.writeBytes(QByteArray(row.before).replace("%1", folder));
        const auto form = ViewCurrentDialog::fromLog(nullptr, dir.log());
        ASSERT_TRUE(form);
        // The ten-megabyte log is read, and written, by a worker.
        ASSERT_TRUE(QTest::qWaitFor([&] { return !form->entries().reading(); }));
        EXPECT_EQ(listed(*form).size(), row.before.count('\n'));
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        row.act(*form);
        if (row.byOthers == "-") QFile::remove(dir.logFile());
        if (!row.byOthers.isEmpty() && row.byOthers != "-") dir.writeBytes(row.byOthers);
        if (row.out == Out::Return) form->returnButton()->click();
        if (row.out == Out::Close) form->close();
        if (row.out == Out::Escape) QTest::keyClick(form->entryList(), Qt::Key_Escape);
        if (row.out == Out::SystemClose) {
            QCloseEvent close;  // to the window, as the title bar's control and Alt+F4 send it
            QApplication::sendEvent(form->windowHandle(), &close);
        }
        ASSERT_TRUE(QTest::qWaitFor([&] { return form->returnButton()->isEnabled(); }));
        EXPECT_EQ(form->isVisible(), row.asked == kCancel);
        // The emptied window says where the entries went.
        EXPECT_EQ(form->entryList()->accessibleDescription().contains("trash"),
                  row.expected == "-");
        EXPECT_EQ(std::count_if(messages.shown().begin(), messages.shown().end(),
                                [](const auto& m) {
                                    return m.text == "Write the changes back to the log?" &&
                                           m.captions.value(QMessageBox::Save) == "&Write" &&
                                           m.captions.value(QMessageBox::Discard) == "&Discard";
                                }),
                  row.asked == kNotAsked ? 0 : 1);
        EXPECT_EQ(QFile::exists(dir.logFile()) ? dir.bytes() : "-",
                  QByteArray(row.expected).replace("%1", folder));
        EXPECT_EQ(test::FileBytes(home.filePath("Trash/files/KVtemp.dat")),
                  row.expected == "-" ? row.before : "");
        EXPECT_EQ(test::FileBytes(home.filePath("Trash/info/KVtemp.dat.trashinfo"))
                      .contains("\nPath=" + QUrl::toPercentEncoding(dir.logFile(), "/") + "\n"),
                  row.expected == "-");
        QDir(home.filePath("Trash")).removeRecursively();
    }
}

// No window without a readable log; Enter (on the list's current entry, not selected), a
// "No" to Clear All and a failed rewrite keep the window, the list and the log.
TEST(ViewCurrent, RefusalsAndFailuresKeepTheLog) {
    TempLogDir dir;
    ScriptedMessages messages(QMessageBox::No);
    EXPECT_FALSE(ViewCurrentDialog::fromLog(nullptr, dir.log()));
    ASSERT_TRUE(QDir(dir.path()).mkdir("KVtemp.dat"));
    EXPECT_FALSE(ViewCurrentDialog::fromLog(nullptr, dir.log()));
    ASSERT_TRUE(QDir(dir.path()).rmdir("KVtemp.dat"));
    // /proc/self/mem opens as an ordinary file but fails on the first read, even for root.
    ASSERT_TRUE(QFile::link("/proc/self/mem", dir.logFile()));
    EXPECT_FALSE(ViewCurrentDialog::fromLog(nullptr, dir.log()));
    ASSERT_EQ(messages.shown().size(), 3);
    EXPECT_EQ(messages.shown()[0].text, "Currently no entries exist");
    EXPECT_EQ(messages.shown()[0].icon, QMessageBox::Warning);
    for (const int shown : {1, 2})
        EXPECT_TRUE(messages.shown()[shown].text.contains(dir.log().logPath()));

    ASSERT_TRUE(QFile::remove(dir.logFile()));
    dir.writeBytes(kThree);
    const auto form = ViewCurrentDialog::fromLog(nullptr, dir.log());
    form->show();
    for (QWidget* target : QWidgetList{form->entryList(), form->returnButton()}) {
        target->setFocus();
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) QTest::keyClick(target, key);
    }
    form->clearAllButton()->click();
    ASSERT_EQ(messages.shown().size(), 4);
    EXPECT_EQ(messages.shown()[3].text,
              "Move all 3 entries to the trash? They can be restored from there.");
    EXPECT_EQ(messages.shown()[3].buttons, QMessageBox::Yes | QMessageBox::No);
    deleteRow(*form, 0);
    {
        const test::FileSizeLimit limit(4);
        form->returnButton()->click();
    }
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(listed(*form), QStringList({"b - 2", "c - 3"}));
    EXPECT_EQ(dir.bytes(), kThree);
    ASSERT_EQ(messages.shown().size(), 5);
    EXPECT_TRUE(messages.shown()[4].text.contains(dir.log().logPath()));

    // With nothing deleted, a log that cannot be written (its folder or itself, made immutable, so
    // that it binds root too) is left unsorted, without a word.
    for (const QString& path : {dir.path(), dir.logFile()}) {
        dir.writeBytes(kThree);
        const auto unchanged = ViewCurrentDialog::fromLog(nullptr, dir.log());
        if (QProcess::execute("chattr", {"+i", path})) GTEST_SKIP() << "no immutable files here";
        unchanged->returnButton()->click();
        QProcess::execute("chattr", {"-i", path});
        EXPECT_FALSE(unchanged->isVisible());
        EXPECT_EQ(dir.bytes(), kThree);
        EXPECT_EQ(messages.shown().size(), 5);
    }
}

// Rows sorted as listed: a moved file, a missing folder, an existing file, a thousand entries of a
// stick not plugged in (which must not all be looked up), a gone entry wider than the list, no
// path at all (with and without a dash). Gone entries stay readable in a light and in a dark theme;
// a cut row's tooltip holds the whole entry as typed, markup and all, and the list scrolls as far
// as the widest row drawn. Enter on a selected entry leaves as "Return" does and names the whole
// line, or none where the entry names no path; Ctrl+C copies the whole line.
TEST(ViewCurrent, EntriesWhoseItemIsGoneOrCutAreToldAndCheckedOnlyWhenDrawn) {
    TempLogDir dir;
    const QString base = dir.path() + "/a";
    const QString wide = "/~" + QString("<td><table>").repeated(20) + QString(1300, 'w') + " - w";
    const QString there = dir.logFile() + " - " + QString(1200, u'x');
    QStringList lines = {
        base + " - moved", base + "/gone/x - folder", there, "plain - text", "plain", wide};
    for (int i = 0; i < 1000; ++i)
        lines.append(QString("/zstick%1/f - x").arg(i, 4, 10, QChar('0')));
    ASSERT_TRUE(dir.log().writeEntries(lines));
    const QPalette light = QApplication::palette();
    QPalette dark = light;
    dark.setColor(QPalette::ToolTipBase, QColor(0x4a, 0x4a, 0x4a));
    dark.setColor(QPalette::ToolTipText, Qt::white);
    for (const QPalette& palette : {light, dark}) {
        QApplication::setPalette(palette);
        const std::unique_ptr<ViewCurrentDialog> form =
            ViewCurrentDialog::fromLog(nullptr, dir.log());
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        EXPECT_LT(form->entries().itemChecks(), 100u);
        QListView* view = form->entryList();
        for (const int row : {0, 1, 2, 1003, 1004, 1005}) {
            const QString note = row == 1          ? "Its folder or volume is not there"
                                 : row % 1003 == 0 ? "No longer exists"
                                                   : "";
            const QModelIndex index = view->model()->index(row, 0);
            view->scrollTo(index);
            const QRect rect = view->visualRect(index);
            QHelpEvent help(QEvent::ToolTip, rect.center(),
                            view->viewport()->mapToGlobal(rect.center()));
            QToolTip::hideText();
            ASSERT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }));
            QApplication::sendEvent(view->viewport(), &help);
            const QString tip = QToolTip::isVisible() ? test::ShownTip(QToolTip::text()) : "";
            const QString cut = row == 1003 ? wide : row == 2 ? there : "";
            EXPECT_EQ(QString(tip).remove('\n'), cut + note) << row;
            EXPECT_EQ(index.data(Qt::AccessibleDescriptionRole).toString(), note);
            EXPECT_EQ(index.data(Qt::FontRole).value<QFont>().italic(), !note.isEmpty()) << row;
            QStyleOptionViewItem option;
            option.palette = view->palette();
            static_cast<EntryDelegate*>(view->itemDelegate())->initStyleOption(&option, index);
            const QColor text = option.palette.color(QPalette::Text);
            EXPECT_EQ(text == view->palette().color(QPalette::Text), note.isEmpty()) << row;
            EXPECT_GE(widgets::ContrastRatio(text, view->palette().color(QPalette::Base)), 4.5)
                << row;
        }
        EXPECT_TRUE(QTest::qWaitFor([&] {
            return view->horizontalScrollBar()->maximum() + view->viewport()->width() >
                   view->fontMetrics().horizontalAdvance(wide.left(1000));
        }));
        for (const int row : {1004, 2}) {
            form->show();
            view->selectionModel()->select(view->model()->index(row, 0),
                                           QItemSelectionModel::ClearAndSelect);
            QTest::keySequence(view, QKeySequence::Copy);
            QTest::keyClick(view, Qt::Key_Return);
            EXPECT_EQ(QGuiApplication::clipboard()->text(), row == 2 ? there : "plain");
            EXPECT_EQ(form->chosenEntry(), row == 2 ? there : "");
            EXPECT_FALSE(form->isVisible());
        }
    }
    QApplication::setPalette(light);
}

// Words anywhere in the line, case and accents folded (as the order folds them), each word in any
// order; beyond what a row shows too.
TEST(ViewCurrent, TheFindShowsTheEntriesHoldingEveryWord) {
    TempLogDir dir;
    const QString tail = "/x - " + QString(3000, u'é') + " needle";
    ASSERT_TRUE(dir.log().writeEntries({"/Résumé - tax 2024", "/resume - draft", "/ÉTÉ - Tax 2023",
                                        "x - TAX 2024 final", tail, "ech", u"Ếch"_qs, u"ếch"_qs,
                                        u"İstanbul"_qs, "Strasse", u"Straße"_qs, "zebra",
                                        u"Æble"_qs, u"하늘"_qs, u"한글"_qs}));
    const auto form = ViewCurrentDialog::fromLog(nullptr, dir.log());
    const std::tuple<QString, QStringList, QString> rows[] = {
        {"resume", {"/resume - draft", "/Résumé - tax 2024"}, "2 of 15"},
        {" 2024  TAX ", {"/Résumé - tax 2024", "x - TAX 2024 final"}, "2 of 15"},
        {"été tax", {"/ÉTÉ - Tax 2023"}, "1 of 15"},
        {"NEEDLE", {tail.left(1000) + u'…'}, "1 of 15"},
        {"tax zz", {}, "0 of 15"},
        {"ECH", {"ech", u"Ếch"_qs, u"ếch"_qs}, "3 of 15"},
        {u"æ"_qs, {u"Æble"_qs}, "1 of 15"},
        {"istanbul", {u"İstanbul"_qs}, "1 of 15"},
        {u"ß"_qs, {u"Straße"_qs}, "1 of 15"},
        {u"한"_qs, {u"한글"_qs}, "1 of 15"},
        {"   ", listed(*form), ""},
        {"", listed(*form), ""},
    };
    for (const auto& [typed, shown, count] : rows) {
        SCOPED_TRACE(typed.toStdString());
        finding(typed)(*form);
        EXPECT_EQ(listed(*form), shown);
        EXPECT_EQ(form->countLabel()->text(), count);
    }
}

// Rows are placed by their number, not laid out: the keys reach the row a paged list reaches, the
// row reached is in view, and a point finds the row drawn under it.
TEST(ViewCurrent, TheListPlacesRowsByTheirNumber) {
    TempLogDir dir;
    QStringList lines;
    for (int i = 0; i < 5000; ++i) lines << QString("/%1 - note").arg(i, 5, 10, QChar('0'));
    ASSERT_TRUE(dir.log().writeEntries(lines));
    const auto form = ViewCurrentDialog::fromLog(nullptr, dir.log());
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    QListView* view = form->entryList();
    view->setFocus();
    const int height = view->visualRect(view->model()->index(0, 0)).height();
    const int page = view->viewport()->height() / height - 1;
    EXPECT_EQ(view->verticalScrollBar()->maximum(), 5000 - view->viewport()->height() / height);
    const std::pair<QList<Qt::Key>, int> rows[] = {
        {{Qt::Key_End}, 4999},
        {{Qt::Key_End, Qt::Key_Down}, 4999},
        {{Qt::Key_End, Qt::Key_PageUp}, 4999 - page},
        {{Qt::Key_Home, Qt::Key_PageDown, Qt::Key_PageDown}, 2 * page},
        {{Qt::Key_Home, Qt::Key_Down, Qt::Key_Down, Qt::Key_Up}, 1},
        {{Qt::Key_Home, Qt::Key_Up, Qt::Key_PageUp}, 0},
    };
    for (const auto& [keys, row] : rows) {
        for (const Qt::Key key : keys) QTest::keyClick(view, key);
        const QModelIndex current = view->currentIndex();
        EXPECT_EQ(current.row(), row);
        EXPECT_TRUE(view->selectionModel()->isSelected(current)) << row;
        const QRect rect = view->visualRect(current);
        EXPECT_TRUE(view->viewport()->rect().contains(rect)) << row;
        EXPECT_EQ(view->indexAt(rect.center()), current);
        EXPECT_FALSE(view->indexAt(rect.center() + QPoint(0, 5000 * height)).isValid());
    }
    // A click selects the row under it.
    const QModelIndex second = view->indexAt(QPoint(5, height + height / 2));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(5, height + height / 2));
    EXPECT_EQ(view->selectionModel()->selectedIndexes(), QModelIndexList{second});
}

// A log over a megabyte is read as the window shows, the count telling how far. A find typed
// meanwhile holds once the rows are in; "Return" meanwhile waits for the rest of the log and
// writes every line, with another copy's append. Each swap of rows keeps the current entry, the
// box's text and the focus; a find that narrows shows what a fresh one shows, a key that
// lengthens the word too (the word twice in a line, or at its end).
TEST(ViewCurrent, ALargeLogFillsInAndReturnMeanwhileWritesEveryEntry) {
    TempLogDir dir;
    QByteArray log;
    for (int i = 0; i < 60'000; ++i)
        log += "/x/file" + QByteArray::number(i * 7919 % 60'000) + " - note\r\n";
    log += "/x/twice - file4 and FILE424\r\n/x/end - ends in file4\r\n";
    dir.writeBytes(log);
    for (const bool leaving : {true, false}) {
        const auto form = ViewCurrentDialog::fromLog(nullptr, dir.log());
        form->show();
        form->findEdit()->setFocus();
        ASSERT_TRUE(form->entries().reading());
        EXPECT_TRUE(form->goneLabel()->text().startsWith("Reading "));
        if (leaving) {
            form->findEdit()->setText("file4");
            form->returnButton()->click();
            QFile appending(dir.logFile());  // another copy's append, not a rewrite
            ASSERT_TRUE(appending.open(QIODevice::Append));
            appending.write("/y - appended\r\n");
            appending.close();
            ASSERT_TRUE(QTest::qWaitFor([&] { return !form->isVisible(); }, 20'000));
            EXPECT_EQ(dir.bytes(), log + "/y - appended\r\n");
            continue;
        }
        ASSERT_TRUE(QTest::qWaitFor([&] { return !form->entries().reading(); }));
        const QStringList all = listed(*form);
        EXPECT_EQ(all.size(), 60'003);
        QListView* list = form->entryList();
        list->setCurrentIndex(list->model()->index(all.indexOf("/x/file4242 - note"), 0));
        form->findEdit()->setFocus();
        for (const QString& typed :
             QStringList{"file4", "FILE42", "file424", "file42 note", "ile4"}) {
            finding(typed)(*form);
            // What the next key needs is made ready meanwhile.
            ASSERT_TRUE(QTest::qWaitFor([&] { return !form->entries().preparing(); }));
            QStringList expected = all;
            for (const QString& word : typed.split(' '))
                expected = expected.filter(word, Qt::CaseInsensitive);
            EXPECT_EQ(listed(*form), expected);
            EXPECT_EQ(list->currentIndex().data().toString(), "/x/file4242 - note");
            EXPECT_EQ(form->findEdit()->text(), typed);
            EXPECT_TRUE(form->findEdit()->hasFocus());
        }
    }
}

// Find Moved in a folder the user picks, the proposals answered, then "Return": each entry
// re-pointed byte for byte where its item went, or left. Files are "path" or "path|comment" or
// "path@address"; the answer picks a candidate (-1 none) per proposal.
TEST(ViewCurrent, FindMovedRepointsOnlyWhatTheUserConfirms) {
    using enum MoveProposal::Why;
    const struct {
        const char* name;
        QStringList files;
        QByteArray log;
        QList<MoveProposal::Why> whys;
        QList<int> answer;
        QByteArray expected;
    } rows[] = {
        {"renamed in place, its comment kept",
         {"d/new.txt|café notes", "d/other.txt"},
         "%1/d/old.txt - caf\xE9 notes\r\n",
         {Comment},
         {0},
         "%1/d/new.txt - caf\xE9 notes\r\n"},
        {"moved to another folder, name in another case",
         {"Documents/Tax/A.ZIP", "Documents/b.txt"},
         "x - y\r\n%1/Downloads/a.zip - scanner\r\n",
         {OnlyOne},
         {0},
         "x - y\r\n%1/Documents/Tax/A.ZIP - scanner\r\n"},
        {"two candidates, the second picked",
         {"x/r.txt", "y/r.txt"},
         "%1/dl/r.txt - r\r\n",
         {Several},
         {1},
         "%1/y/r.txt - r\r\n"},
        {"two candidates, none picked",
         {"x/r.txt", "y/r.txt"},
         "%1/dl/r.txt - r\r\n",
         {Several},
         {-1},
         "%1/dl/r.txt - r\r\n"},
        {"not found", {"x/a.txt"}, "%1/dl/none.txt - n\r\n", {}, {}, "%1/dl/none.txt - n\r\n"},
        {"two candidates, one by its comment",
         {"p/c.pdf|tax 2024 - final", "q/c.pdf"},
         "%1/dl/c.pdf - tax 2024 - final\r\n",
         {Comment},
         {0},
         "%1/p/c.pdf - tax 2024 - final\r\n"},
        {"renamed, by the address the note quotes",
         {"dl/b.iso@https://h/b.iso"},
         "%1/dl/a.iso - from https://h/b.iso\r\n",
         {Address},
         {0},
         "%1/dl/b.iso - from https://h/b.iso\r\n"},
        {"a folder moved with its contents",
         {"new/proj/README", "new/proj/src/main.c", "other/README"},
         "%1/old/proj/ - p\r\n%1/old/proj/README - r\r\n%1/old/proj/src/main.c - m\r\n",
         {OnlyOne, SameFolder, OnlyOne},
         {0, 0, 0},
         "%1/new/proj/ - p\r\n%1/new/proj/README - r\r\n%1/new/proj/src/main.c - m\r\n"},
        {"cancelled", {"b/a.txt"}, "%1/a/a.txt - a\r\n", {OnlyOne}, {}, "%1/a/a.txt - a\r\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TempLogDir dir;
        const QTemporaryDir root;
        for (const QString& file : row.files) {
            const QStringList parts = file.split(QRegularExpression("[|@]"));
            const QString path = root.filePath(parts[0]);
            ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
            ASSERT_TRUE(test::WriteFile(path, ""));
            const QByteArray value = parts.value(1).toUtf8();
            const char* name = file.contains('|') ? "user.xdg.comment" : "user.xdg.origin.url";
            if (!value.isEmpty()) {
                ASSERT_EQ(setxattr(QFile::encodeName(path), name, value.data(), value.size(), 0),
                          0);
            }
        }
        const QByteArray before = QByteArray(row.log).replace("%1", QFile::encodeName(root.path()));
        dir.writeBytes(before);
        ScriptedMessages messages;
        QList<MoveProposal::Why> whys;
        SetSearchFolderHandler([&](const SearchFolderRequest&) { return root.path(); });
        SetMovedChoiceHandler([&](const MovedChoiceRequest& request) {
            for (const MoveProposal& p : request.proposals) whys.append(p.why);
            return row.answer;
        });
        const auto form = ViewCurrentDialog::fromLog(nullptr, dir.log());
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        ASSERT_TRUE(QTest::qWaitFor([&] { return form->entries().goneCount() >= 0; }));
        QTest::keyClick(form->entryList(), Qt::Key_M, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(whys, row.whys);
        EXPECT_EQ(dir.bytes(), before) << "nothing written before Return";
        form->returnButton()->click();
        EXPECT_EQ(dir.bytes(),
                  QByteArray(row.expected).replace("%1", QFile::encodeName(root.path())));
        EXPECT_EQ(messages.shown().size(), row.whys.isEmpty() ? 1 : 0);
        SetSearchFolderHandler({});
        SetMovedChoiceHandler({});
    }
}

// Find Moved's proposals answered by keys alone: the list has the focus, Space unticks the row
// with the focus, Tab reaches the namesakes' choice, Down picks one, which ticks its row, and
// Shift+Tab goes back; Enter confirms, Esc cancels.
TEST(ViewCurrent, FindMovedIsAnsweredByKeys) {
    const MovedChoiceRequest request{nullptr,
                                     {"/a/x.txt", "/a/y.txt", "/a/z.txt"},
                                     {{0, MoveProposal::Why::OnlyOne, {"/b/x.txt"}},
                                      {1, MoveProposal::Why::Several, {"/c/y.txt", "/d/y.txt"}},
                                      {2, MoveProposal::Why::Comment, {"/e/z.txt"}}}};
    for (const auto& [keys, chosen] :
         {std::pair{QStringList{"Space", "Tab", "Down", "Down", "Shift+Tab", "Down", "Return"},
                    QList<int>{-1, 1, 0}},
          {{"Tab", "Down", "Escape"}, {}}}) {
        QTimer::singleShot(0, [keys = keys] {
            QWidget* dialog = nullptr;
            ASSERT_TRUE(
                QTest::qWaitFor([&] { return (dialog = QApplication::activeModalWidget()); }));
            QApplication::setActiveWindow(dialog);
            ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
            EXPECT_EQ(QApplication::focusWidget()->objectName(), "proposals");
            for (const QString& name : keys) {
                const QKeyCombination key = QKeySequence(name)[0];
                QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
            }
        });
        EXPECT_EQ(ChooseMoves(request), chosen);
    }
}

// The gone count, and only the gone shown, with the find, remembered for the next window.
TEST(ViewCurrent, OnlyGoneEntriesAreCountedAndShown) {
    TempLogDir dir;
    ASSERT_TRUE(dir.log().writeEntries(
        {dir.logFile() + " - here", "/nowhere/a - tax", "/nowhere/b - other", "plain - text"}));
    for (const bool second : {false, true}) {
        const auto form = ViewCurrentDialog::fromLog(nullptr, dir.log());
        ASSERT_TRUE(QTest::qWaitFor([&] { return form->entries().goneCount() >= 0; }));
        EXPECT_EQ(form->goneLabel()->text(), "2 of 4 gone");
        EXPECT_EQ(form->goneOnlyAction()->isChecked(), second);
        form->goneOnlyAction()->setChecked(true);
        EXPECT_EQ(listed(*form), QStringList({"/nowhere/a - tax", "/nowhere/b - other"}));
        finding("tax")(*form);
        EXPECT_EQ(listed(*form), QStringList({"/nowhere/a - tax"}));
        EXPECT_FALSE(form->clearAllButton()->isEnabled());
    }
    widgets::UserSettings().remove("viewCurrent/goneOnly");
}

// A stop keeps what was found and searches no further; no link is followed, so a loop ends and
// nothing outside the tree is proposed.
TEST(ViewCurrent, TheMovedSearchStopsAndFollowsNoLink) {
    const QTemporaryDir root, outside;
    ASSERT_TRUE(QDir().mkpath(root.filePath("a/b")) && QDir().mkpath(outside.filePath("c")));
    ASSERT_TRUE(test::WriteFile(root.filePath("a/b/x.txt"), "") &&
                test::WriteFile(outside.filePath("c/y.txt"), ""));
    ASSERT_TRUE(QFile::link(root.filePath("a"), root.filePath("a/b/loop")) &&
                QFile::link(outside.path(), root.filePath("a/out")));
    MovedSearch search({{"/gone/x.txt", "x"}, {"/gone/y.txt", "y"}});
    search.run({root.path()});
    EXPECT_EQ(search.foldersSearched(), 3);
    search.stop();
    search.run({outside.path()});
    const QList<MoveProposal> found = search.proposals();
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(found[0].candidates,
              QList<QByteArray>{QFile::encodeName(root.filePath("a/b/x.txt"))});
}

}  // namespace
}  // namespace kivra
