#include "support/StartedProgram.h"
#include "ui/widgets/ColourSwatch.h"
#include "ui/windows/MainWindow.h"

#include <QAccessible>
#include <QtTest>

// Every control a person can operate says what it is to a screen reader.
class AccessibilityTest : public QObject
{
    Q_OBJECT
private slots:
    void everyControlOfEveryWindowHasAName();
};

namespace {

// What a person operates: the standard controls, what takes the focus or a drop, and
// every swatch (a colour to drag).
bool IsControl(const QAccessibleInterface& node)
{
    if (auto* widget = qobject_cast<QWidget*>(node.object())) {
        if (widget->focusPolicy() != Qt::NoFocus || widget->acceptDrops() ||
            widget->inherits("ColourSwatch"))
            return true;
    }
    switch (node.role()) {
    case QAccessible::Button:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::ScrollBar:
    case QAccessible::Slider:
    case QAccessible::SpinBox:
    case QAccessible::List:
    case QAccessible::Table:
    case QAccessible::Tree:
    case QAccessible::PageTab:
    case QAccessible::Graphic:
        return true;
    default:
        return false;
    }
}

void CollectUnnamed(QAccessibleInterface* node, const QString& path, QStringList& unnamed)
{
    if (!node || !node->isValid())
        return;
    const QString name = node->text(QAccessible::Name);
    QObject* object = node->object();
    const QString here = path + QLatin1Char('/') +
                         (object ? QString::fromLatin1(object->metaObject()->className()) +
                                       QLatin1Char(':') + object->objectName()
                                 : QStringLiteral("?"));
    if (IsControl(*node) && name.trimmed().isEmpty())
        unnamed << here;
    // Items of lists and tables are named by their texts, a drop-down's list by the
    // drop-down.
    if (node->role() == QAccessible::List || node->role() == QAccessible::Table ||
        node->role() == QAccessible::ComboBox)
        return;
    for (int i = 0; i < node->childCount(); ++i)
        CollectUnnamed(node->child(i), here, unnamed);
}

} // namespace

void AccessibilityTest::everyControlOfEveryWindowHasAName()
{
    StartedProgram program;
    QStringList unnamed;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isWindow() || window->inherits("QMenu"))
            continue;
        CollectUnnamed(QAccessible::queryAccessibleInterface(window),
                       QString::fromLatin1(window->metaObject()->className()), unnamed);
    }
    for (const QString& control : unnamed)
        qWarning("unnamed: %s", qPrintable(control));
    QVERIFY(unnamed.isEmpty());

    // The swatches say the colour they show now.
    program.app.mainColour().SetMainColour(PackColour(18, 52, 86));
    QStringList names;
    for (auto* swatch : program.app.mainWindow()->findChildren<ColourSwatch*>())
        names << QAccessible::queryAccessibleInterface(swatch)->text(QAccessible::Name);
    QVERIFY(names.contains(QStringLiteral("18, 52, 86, #123456")));
}

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
