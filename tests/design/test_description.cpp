// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/catalogue_form.h"
#include "design/main_form.h"
#include "double_entry.h"
#include "table_rows.h"

#include <QTest>

using namespace kvarnel::design;

namespace {

QRect twips(TwipRect r)
{
    return {r.left, r.top, r.width, r.height};
}

void compareFrame(const WindowFrame &frame, const expected::Window &e)
{
    QCOMPARE(frame.name, e.name);
    QCOMPARE(utf8(frame.caption), e.caption);
    QCOMPARE(frame.border, Border::Fixed);
    QCOMPARE(QSize(frame.client.width, frame.client.height), e.twips);
}

} // namespace

// The windows' description against the hand-written copy, so that a slip in a caption, a
// place, a size or the tab order fails. The tables' own content is checked beside them.
class TestDescription : public QObject
{
    Q_OBJECT

  private slots:
    void mainWindow()
    {
        compareFrame(MainForm::frame, expected::mainWindow);
        QCOMPARE(std::size(MainForm::controls), std::size(expected::mainControls));
        for (std::size_t i = 0; i < std::size(MainForm::controls); ++i) {
            const Control &c = MainForm::controls[i];
            const expected::Control &e = expected::mainControls[i]; // in tab order
            QCOMPARE(c.name, e.name);
            QCOMPARE(c.kind, e.kind);
            QCOMPARE(utf8(c.text), e.text);
            QCOMPARE(twips(c.rect), e.twips);
            QCOMPARE(c.buddy >= 0 ? MainForm::controls[c.buddy].name : nullptr, e.names);
            QCOMPARE(c.font.has_value(), e.font.has_value());
            if (c.font) {
                QCOMPARE(c.font->face, e.font->face);
                QCOMPARE(c.font->points, e.font->points);
                QCOMPARE(c.font->weight, Weight::Regular);
            }
        }
        QCOMPARE(utf8(MainForm::overflow.title), expected::mainWindow.caption);
        QCOMPARE(utf8(MainForm::overflow.message), expected::overflow);
        QCOMPARE(utf8(MainForm::overflow.button), expected::alertButton);
    }

    void catalogue()
    {
        compareFrame(CatalogueForm::frame, expected::catalogue);
        QCOMPARE(CatalogueForm::controls.size(), std::size(expected::tables));
        for (int i = 0; i < int(CatalogueForm::controls.size()); ++i) {
            const Control &c = CatalogueForm::controls[std::size_t(i)];
            QCOMPARE(QByteArray(c.name), "Command" + QByteArray::number(i + 1));
            QCOMPARE(c.kind, ControlKind::Button);
            QCOMPARE(utf8(c.text), expected::tables[i].button);
            QCOMPARE(twips(c.rect), expected::catalogueButton(i));
        }
    }
};

QTEST_GUILESS_MAIN(TestDescription)
#include "test_description.moc"
