#include "widgets/drive_list.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QScopedValueRollback>
#include <QWheelEvent>

#include "platform/native_path.h"
#include "widgets/style_icons.h"

namespace kivra::widgets {

namespace {

// On Linux Qt names a combo box by the entry it shows and counts on a label beside it for what it
// is; this list has no label, so a screen reader would hear only "/". Its accessible name says
// what it is, the value which drive is shown.
class DriveListAccessible : public QAccessibleWidget {
public:
    explicit DriveListAccessible(DriveList* list)
        : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) return list()->currentText();
        return QAccessibleWidget::text(kind);
    }
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child->object() == list()->view() ? 0 : -1;
    }
    QStringList actionNames() const override {
        return QStringList(showMenuAction()) + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction())
            list()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    DriveList* list() const { return static_cast<DriveList*>(widget()); }
};

QAccessibleInterface* accessibleFor(const QString& className, QObject* object) {
    if (className == QLatin1String("kivra::widgets::DriveList"))
        return new DriveListAccessible(static_cast<DriveList*>(object));
    return nullptr;
}

}  // namespace

DriveList::DriveList(QWidget* parent) : QComboBox(parent) {
    static const bool installed = (QAccessible::installFactory(accessibleFor), true);
    Q_UNUSED(installed);
    setVolumes(source_());
    connect(this, &QComboBox::activated, this, &DriveList::onActivated);
}

QString DriveList::drive() const { return currentData().toString(); }

void DriveList::setVolumes(const QList<platform::Volume>& volumes) {
    const QSignalBlocker blocker(this);
    clear();
    using Kind = platform::Volume::Kind;
    const QIcon home = StyleIcon(style(), QStyle::SP_DirHomeIcon);
    const QIcon folder = StyleIcon(style(), QStyle::SP_DirClosedIcon);
    const QIcon drive = StyleIcon(style(), QStyle::SP_DriveHDIcon);
    for (const platform::Volume& volume : volumes)
        addItem(volume.kind == Kind::Home     ? home
                : volume.kind == Kind::Folder ? folder
                                              : drive,
                volume.label, volume.root);
    shownIndex_ = currentIndex();
}

void DriveList::showDriveOf(const QString& path) {
    // The volume mounted deepest above the path holds it.
    const QString target = platform::NormalizedDirectory(path);
    shownFolder_ = target;
#ifdef Q_OS_WIN
    const Qt::CaseSensitivity letterCase = Qt::CaseInsensitive;
#else
    const Qt::CaseSensitivity letterCase = Qt::CaseSensitive;
#endif
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < count(); ++i) {
        const QString root = itemData(i).toString();
        const bool holds = target.compare(root, letterCase) == 0 ||
                           target.startsWith(platform::JoinPath(root, QString()), letterCase);
        if (holds && root.size() > bestLength) best = i, bestLength = root.size();
    }
    if (best < 0) return;
    const QSignalBlocker blocker(this);
    setCurrentIndex(best);
    shownIndex_ = best;
    atRoot_ = target.compare(itemData(best).toString(), letterCase) == 0;
}

void DriveList::refresh() {
    const QString shown = shownFolder_.isEmpty() ? drive() : shownFolder_;
    setVolumes(source_());
    showDriveOf(shown);
}

void DriveList::showPopup() {
    // A stick plugged in since the last look shows up; one taken out is no longer offered.
    refresh();
    QComboBox::showPopup();
}

void DriveList::wheelEvent(QWheelEvent* event) {
    // Scrolling the window past the list must not switch volumes behind the user's back.
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}

void DriveList::keyPressEvent(QKeyEvent* event) {
    const QScopedValueRollback pressed(keyPressed_, true);
    QComboBox::keyPressEvent(event);
}

void DriveList::onActivated(int index) {
    if (index == shownIndex_ && atRoot_) return;
    shownIndex_ = index;
    // Until the lists move there: a drive that cannot be read may be picked again.
    atRoot_ = false;
    emit driveChosen(keyPressed_);
}

}  // namespace kivra::widgets
