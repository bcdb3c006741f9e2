// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/page_accessibility.h"

#include <QAccessible>
#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>
#include <unordered_map>

namespace kvarnel::platform {
namespace {

using emscripten::val;

std::string utf8(const QString &text)
{
    return text.toStdString();
}

QString fromUtf8(const val &text)
{
    return QString::fromStdString(text.as<std::string>());
}

std::string px(int value)
{
    return std::to_string(value) + "px";
}

// The caption a control is labelled with (the label whose buddy it is), if any.
QAccessibleInterface *labelOf(QAccessibleInterface *control)
{
    const auto labels = control->relations(QAccessible::Label);
    return labels.isEmpty() ? nullptr : labels.first().first;
}

bool labelsAnother(QAccessibleInterface *label)
{
    return !label->relations(QAccessible::Labelled).isEmpty();
}

// One mirrored interface: its element, and what it was last given, so that only what
// changes is written into the page.
struct Mirrored
{
    val element = val::null();
    QString name;
    QRect rect;
    bool seen = false;
};

class PageMirror
{
  public:
    static PageMirror &get()
    {
        static PageMirror mirror;
        return mirror;
    }

    void handle(QAccessibleEvent *event);
    void fromPage(const val &event);

  private:
    PageMirror();
    void schedule() { m_sync.start(); }
    void sync();
    void mirrorChildren(QAccessibleInterface *parent, val container, QPoint origin);
    Mirrored &place(QAccessibleInterface *iface, const char *tag, val container, val &previous);
    void setName(Mirrored &mirrored, QAccessibleInterface *iface, QAccessibleInterface *parent);
    void setGeometry(Mirrored &mirrored, QRect rect);
    void fillTable(val element, QAccessibleInterface *table);
    void labelQtInput();
    QAccessibleInterface *boxWithQtInput() const;
    void fromQtInput(const val &event, const std::string &type);
    void toQtInput();
    static void toBox(QAccessibleInterface *box, const val &input);
    void announce(const QString &message);
    void followFocus();
    void focusFromPage(QAccessibleInterface *iface);
    QAccessibleInterface *interfaceOf(const val &element) const;

    val m_document = val::global("document");
    val m_root = val::null();
    val m_live = val::null();
    val m_qtInput = val::null(); // the input element Qt types through
    std::unordered_map<QAccessible::Id, Mirrored> m_mirrored;
    QTimer m_sync;
    // Whether the page's focus is in the mirror, where it follows the program's focus: so
    // from the start, and again once the mirror is tabbed into; not after a click or a tap
    // on the windows, which Qt then takes the keys of itself.
    bool m_following = true;
    bool m_focusing = false;  // while the mirror moves the focus itself
    bool m_composing = false; // while an input method composes in Qt's input
};

PageMirror::PageMirror()
{
    m_root = m_document.call<val>("getElementById", std::string("reader"));
    if (m_root.isNull()) {
        m_root = m_document.call<val>("createElement", std::string("div"));
        m_root.set("id", "reader");
        m_document["body"].call<void>("appendChild", m_root);
    }
    m_live = m_document.call<val>("createElement", std::string("div"));
    m_live.call<void>("setAttribute", std::string("role"), std::string("status"));
    m_root.call<void>("appendChild", m_live);

    const val listener = val::module_property("kvarnelMirrorEvent");
    for (const char *type : {"input", "select", "click", "focusin"})
        m_root.call<void>("addEventListener", std::string(type), listener);
    // The page's own events, before Qt's: a press on the windows hands the keys to Qt,
    // and a focus Qt takes while the mirror has it goes back to the mirror.
    const val capture(true);
    m_document.call<void>("addEventListener", std::string("pointerdown"), listener, capture);
    m_document.call<void>("addEventListener", std::string("focusin"), listener, capture);
    // What is cut, copied or pasted in the mirror is the mirror's, not Qt's clipboard's.
    for (const char *type : {"cut", "copy", "paste"})
        val::global("window").call<void>("addEventListener", std::string(type), listener, capture);
    // What reaches Qt's input while a box has the focus, before Qt's own handlers see it.
    m_qtInput = m_document.call<val>("querySelector", std::string("body > input"));
    if (!m_qtInput.isNull()) {
        m_qtInput.set("tabIndex", -1); // Tab passes it by
        for (const char *type :
             {"input", "compositionstart", "compositionupdate", "compositionend"})
            m_qtInput.call<void>("addEventListener", std::string(type), listener, capture);
    }

    m_sync.setSingleShot(true);
    m_sync.setInterval(0);
    QObject::connect(&m_sync, &QTimer::timeout, [this] { sync(); });
}

void PageMirror::handle(QAccessibleEvent *event)
{
    QAccessibleInterface *iface = event->accessibleInterface();
    switch (event->type()) {
    case QAccessible::ObjectShow:
        if (iface && iface->role() == QAccessible::Notification) {
            announce(iface->text(QAccessible::Name));
            return;
        }
        break;
    case QAccessible::TextInserted:
    case QAccessible::TextRemoved:
    case QAccessible::TextUpdated:
    case QAccessible::TextCaretMoved:
    case QAccessible::TextSelectionChanged:
        toQtInput(); // at once, before the keyboard's next edit
        break;
    default:
        break;
    }
    schedule();
}

// Qt 6.8 passes on to a box only part of what a keyboard does to its input: a word that
// replaces what was typed (an autocorrection, a suggestion taken) is added to it instead.
// So while a box has the focus, Qt's input holds the box's text, the browser edits it as
// it edits any input, and what it then holds is the box's text.
QAccessibleInterface *PageMirror::boxWithQtInput() const
{
    QWidget *focused = QApplication::focusWidget();
    if (m_following || m_qtInput.isNull() || !focused)
        return nullptr;
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(focused);
    return iface && iface->role() == QAccessible::EditableText && iface->textInterface() ? iface
                                                                                         : nullptr;
}

void PageMirror::toQtInput()
{
    QAccessibleInterface *box = boxWithQtInput();
    if (!box || m_composing) // an input method's composition is the input's until it ends
        return;
    const QString value = box->text(QAccessible::Value);
    if (fromUtf8(m_qtInput["value"]) != value)
        m_qtInput.set("value", utf8(value));
    QAccessibleTextInterface *text = box->textInterface();
    int start = text->cursorPosition();
    int end = start;
    if (text->selectionCount() > 0)
        text->selection(0, &start, &end);
    m_qtInput.call<void>("setSelectionRange", start, end);
}

void PageMirror::fromQtInput(const val &event, const std::string &type)
{
    QAccessibleInterface *box = boxWithQtInput();
    if (!box)
        return;
    event.call<void>("stopImmediatePropagation");
    if (type == "compositionstart" || type == "compositionupdate") {
        m_composing = true;
        return;
    }
    if (type == "compositionend")
        m_composing = false;
    toBox(box, event["target"]);
}

// What was typed into an input, however the keyboard delivered it, is the box's text, with
// the cursor and the selection where the input has them.
void PageMirror::toBox(QAccessibleInterface *box, const val &input)
{
    const QString value = fromUtf8(input["value"]);
    if (box->text(QAccessible::Value) != value)
        box->setText(QAccessible::Value, value);
    if (QAccessibleTextInterface *text = box->textInterface()) {
        const int start = input["selectionStart"].as<int>();
        const int end = input["selectionEnd"].as<int>();
        text->setCursorPosition(end);
        if (start != end)
            text->setSelection(0, start, end);
    }
}

// The whole tree is walked again after every change: a few dozen interfaces, of which only
// what differs reaches the page.
void PageMirror::sync()
{
    for (auto &[id, mirrored] : m_mirrored)
        mirrored.seen = false;
    val previous = m_live;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (!widget->isVisible() || !widget->isWindow())
            continue;
        QAccessibleInterface *window = QAccessible::queryAccessibleInterface(widget);
        if (!window)
            continue;
        Mirrored &dialog = place(window, "div", m_root, previous);
        dialog.element.call<void>(
            "setAttribute", std::string("role"),
            std::string(window->role() == QAccessible::AlertMessage ? "alertdialog" : "dialog"));
        const QString title = window->text(QAccessible::Name);
        if (dialog.name != title) {
            dialog.name = title;
            dialog.element.call<void>("setAttribute", std::string("aria-label"), utf8(title));
        }
        const QRect client = widget->geometry();
        setGeometry(dialog, client);
        mirrorChildren(window, dialog.element, client.topLeft());
    }
    for (auto it = m_mirrored.begin(); it != m_mirrored.end();) {
        if (it->second.seen) {
            ++it;
            continue;
        }
        it->second.element.call<void>("remove");
        it = m_mirrored.erase(it);
    }
    labelQtInput();
    followFocus();
}

// Qt types through an input element of its own, which takes the focus whenever a window
// does: it is named after the control the keys go to, and Tab passes it by.
void PageMirror::labelQtInput()
{
    val &input = m_qtInput;
    QWidget *focused = QApplication::focusWidget();
    if (input.isNull() || !focused)
        return;
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(focused);
    if (!iface)
        return;
    QAccessibleInterface *label = labelOf(iface);
    const QString name = (label ? label : iface)->text(QAccessible::Name);
    input.call<void>("setAttribute", std::string("aria-label"), utf8(name));
    // While the mirror has the focus Qt's input is out of use, so that Qt cannot take the
    // focus away (a screen reader would announce every moment it had it) nor anything be
    // pasted into it; nor is it read, as an entry outside every window, when the screen
    // reader reads the page through.
    input.set("disabled", m_following);
    input.set("readOnly", m_following);
    input.call<void>("setAttribute", std::string("aria-hidden"),
                     std::string(m_following ? "true" : "false"));
}

void PageMirror::mirrorChildren(QAccessibleInterface *parent, val container, QPoint origin)
{
    val previous = val::null();
    for (int i = 0; i < parent->childCount(); ++i) {
        QAccessibleInterface *child = parent->child(i);
        if (!child || child->state().invisible)
            continue;
        const char *tag = nullptr;
        switch (child->role()) {
        case QAccessible::EditableText:
            tag = "input";
            break;
        case QAccessible::Button:
            tag = "button";
            break;
        case QAccessible::StaticText:
            tag = labelsAnother(child) ? "span" : labelOf(child) ? "output" : "p";
            break;
        case QAccessible::Table:
            tag = "table";
            break;
        case QAccessible::Notification:
            continue; // spoken from the live region
        default:
            mirrorChildren(child, container, origin); // a group: its members stand for it
            continue;
        }
        Mirrored &mirrored = place(child, tag, container, previous);
        setGeometry(mirrored, child->rect().translated(-origin));
        setName(mirrored, child, parent);
    }
}

// The element of an interface, made the first time, and put after `previous` unless it is
// there already: an element moved in the page loses the focus.
Mirrored &PageMirror::place(QAccessibleInterface *iface, const char *tag, val container,
                            val &previous)
{
    const QAccessible::Id id = QAccessible::uniqueId(iface);
    Mirrored &mirrored = m_mirrored[id];
    if (mirrored.element.isNull()) {
        val element = m_document.call<val>("createElement", std::string(tag));
        element.set("id", "reader-" + std::to_string(id));
        element["dataset"].set("id", std::to_string(id));
        if (std::string(tag) == "input") {
            element.set("type", "text");
            element.set("inputMode", "decimal");
            element.set("autocomplete", "off");
            element.set("spellcheck", false);
        } else if (std::string(tag) == "button") {
            element.set("type", "button");
        } else if (std::string(tag) == "output") {
            element.call<void>("setAttribute", std::string("aria-live"), std::string("off"));
        } else if (std::string(tag) == "table") {
            fillTable(element, iface);
        }
        mirrored.element = element;
    }
    mirrored.seen = true;
    const val expected = previous.isNull() ? container["firstChild"] : previous["nextSibling"];
    if (!expected.strictlyEquals(mirrored.element))
        container.call<void>("insertBefore", mirrored.element, expected);
    previous = mirrored.element;
    return mirrored;
}

void PageMirror::setName(Mirrored &mirrored, QAccessibleInterface *iface,
                         QAccessibleInterface *parent)
{
    val &element = mirrored.element;
    const std::string tag = element["tagName"].as<std::string>();
    if (tag == "INPUT") {
        const QString value = iface->text(QAccessible::Value);
        if (fromUtf8(element["value"]) != value)
            element.set("value", utf8(value));
    } else {
        QString name = iface->text(QAccessible::Name);
        if (tag == "TABLE" && name.isEmpty()) // a table alone in its window is named by it
            name = parent->text(QAccessible::Name);
        if (mirrored.name != name) {
            mirrored.name = name;
            // text, never markup
            (tag == "TABLE" ? element["caption"] : element).set("textContent", utf8(name));
        }
    }
    if (tag == "INPUT" || tag == "OUTPUT") {
        if (QAccessibleInterface *label = labelOf(iface)) {
            const std::string labelId = "reader-" + std::to_string(QAccessible::uniqueId(label));
            element.call<void>("setAttribute", std::string("aria-labelledby"), labelId);
        }
    }
}

void PageMirror::setGeometry(Mirrored &mirrored, QRect rect)
{
    if (mirrored.rect == rect)
        return;
    mirrored.rect = rect;
    val style = mirrored.element["style"];
    style.set("left", px(rect.x()));
    style.set("top", px(rect.y()));
    style.set("width", px(rect.width()));
    style.set("height", px(rect.height()));
}

// The table as the desktop reads it: a header row, then a row for each grade, with the
// cell of every column in it, a merged density in each of the rows it spans.
void PageMirror::fillTable(val element, QAccessibleInterface *iface)
{
    QAccessibleTableInterface *table = iface->tableInterface();
    if (!table)
        return;
    // Its caption takes the focus, so that a screen reader says which window has opened
    // and then reads the rows beneath it (a focused table or cell it takes for a widget).
    val caption = m_document.call<val>("createElement", std::string("caption"));
    caption.set("tabIndex", -1); // focusable from the program, never by Tab
    element.call<void>("appendChild", caption);
    const auto addRow = [&](const char *cellTag, auto textOf) {
        val row = m_document.call<val>("createElement", std::string("tr"));
        for (int column = 0; column < table->columnCount(); ++column) {
            val cell = m_document.call<val>("createElement", std::string(cellTag));
            cell.set("textContent", utf8(textOf(column)));
            if (std::string(cellTag) == "th")
                cell.set("scope", "col");
            row.call<void>("appendChild", cell);
        }
        element.call<void>("appendChild", row);
    };
    addRow("th", [&](int column) { return table->columnDescription(column); });
    for (int row = 0; row < table->rowCount(); ++row) {
        addRow("td", [&](int column) {
            QAccessibleInterface *cell = table->cellAt(row, column);
            return cell ? cell->text(QAccessible::Name) : QString();
        });
    }
}

// Emptied and filled anew, so that the same message twice is spoken twice.
void PageMirror::announce(const QString &message)
{
    val line = m_document.call<val>("createElement", std::string("p"));
    line.set("textContent", utf8(message));
    m_live.call<void>("replaceChildren", line);
}

QAccessibleInterface *PageMirror::interfaceOf(const val &element) const
{
    if (element.isNull() || element.isUndefined())
        return nullptr;
    const val id = element["dataset"].isUndefined() ? val::undefined() : element["dataset"]["id"];
    if (id.isUndefined())
        return nullptr;
    return QAccessible::accessibleInterface(
        static_cast<QAccessible::Id>(std::stoul(id.as<std::string>())));
}

// Where the program's focus is, the page's goes too, while it follows.
void PageMirror::followFocus()
{
    if (!m_following || m_focusing)
        return;
    QWidget *focused = QApplication::focusWidget();
    QWidget *active = QApplication::activeWindow();
    if (!focused && active) {
        // A window that a page activates may come without a focused control: its first
        // takes the focus, as Tab would give it.
        for (QWidget *next = active->nextInFocusChain(); next != active;
             next = next->nextInFocusChain()) {
            if ((next->focusPolicy() & Qt::TabFocus) && next->isVisibleTo(active) &&
                next->isEnabled()) {
                next->setFocus(Qt::TabFocusReason);
                return; // and the focus event it sends brings the mirror here again
            }
        }
    }
    if (!focused)
        return;
    const auto it =
        m_mirrored.find(QAccessible::uniqueId(QAccessible::queryAccessibleInterface(focused)));
    if (it == m_mirrored.end())
        return;
    // A table is read, not worked: its caption has the focus, and a screen reader reads on
    // from there row by row, as it reads a page.
    val element = it->second.element;
    if (element["tagName"].as<std::string>() == "TABLE")
        element = element["caption"];
    if (!m_document["activeElement"].strictlyEquals(element)) {
        m_focusing = true;
        element.call<void>("focus");
        m_focusing = false;
    }
}

// The mirror was tabbed to: the program's focus moves to the same control, in its window.
void PageMirror::focusFromPage(QAccessibleInterface *iface)
{
    auto *widget = qobject_cast<QWidget *>(iface->object());
    if (!widget)
        return;
    m_focusing = true;
    widget->activateWindow();
    widget->window()->raise();
    widget->setFocus(Qt::TabFocusReason);
    m_focusing = false;
    followFocus(); // Qt gives its own input element the focus when its focus moves
}

void PageMirror::fromPage(const val &event)
{
    const std::string type = event["type"].as<std::string>();
    const val target = event["target"];
    if (target.strictlyEquals(m_qtInput) && (type == "input" || type.starts_with("composition"))) {
        fromQtInput(event, type);
        return;
    }
    const bool inMirror = m_root.call<bool>("contains", target);
    if (type == "cut" || type == "copy" || type == "paste") {
        if (inMirror)
            event.call<void>("stopPropagation"); // the input's own, as in any page
        return;
    }
    if (type == "pointerdown") {
        m_following = false;
        labelQtInput();
        return;
    }
    if (type == "focusin") {
        if (m_focusing)
            return;
        if (!inMirror) {
            if (m_following)
                schedule(); // Qt took the focus: it comes back once the mirror is up to date
            return;
        }
        if (!m_following) {
            m_following = true;
            labelQtInput();
        }
        if (QAccessibleInterface *iface = interfaceOf(target))
            focusFromPage(iface);
        return;
    }
    QAccessibleInterface *iface = interfaceOf(target);
    if (!iface)
        return;
    if (type == "click") {
        if (QAccessibleActionInterface *actions = iface->actionInterface())
            actions->doAction(QAccessibleActionInterface::pressAction());
    } else if (type == "input" || type == "select") {
        toBox(iface, target);
    }
}

void handleUpdate(QAccessibleEvent *event)
{
    PageMirror::get().handle(event);
}

void handlePageEvent(val event)
{
    PageMirror::get().fromPage(event);
}

} // namespace

void mirrorWindowsInPage()
{
    PageMirror::get();
    QAccessible::installUpdateHandler(handleUpdate);
    QAccessible::setActive(true);
}

} // namespace kvarnel::platform

EMSCRIPTEN_BINDINGS(kvarnel_page_mirror)
{
    emscripten::function("kvarnelMirrorEvent", &kvarnel::platform::handlePageEvent);
}
