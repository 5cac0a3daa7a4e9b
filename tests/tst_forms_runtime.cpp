#include "forms_runtime/control_design.h"
#include "forms_runtime/fonts.h"
#include "forms_runtime/form.h"
#include "forms_runtime/form_registry.h"
#include "forms_runtime/screen.h"

#include <QSignalSpy>
#include <QTest>
#include <array>
#include <memory>

using namespace forms;

namespace {

// 400 x 300 pixels at 15 twips a pixel.
constexpr FormDesign kTestFormDesign{
    "Test form", 6000, 4500, colours::kWhite, WindowKind::Main, StartUpPosition::CenterScreen, {}};

template <int Tag> class TestForm : public Form
{
public:
    TestForm() : Form(kTestFormDesign) {}

    static inline int loads = 0;

protected:
    void load() override { ++loads; }
};

using MainForm = TestForm<0>;

} // namespace

class FormsRuntimeTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void screenMeasuresInTwips();
    void positionReadsBackInTwips_data();
    void positionReadsBackInTwips();

private:
    std::unique_ptr<FormRegistry> m_registry;
};

void FormsRuntimeTest::initTestCase()
{
    registerEmbeddedFonts();
}

void FormsRuntimeTest::init()
{
    MainForm::loads = 0;
    m_registry = std::make_unique<FormRegistry>();
}

void FormsRuntimeTest::cleanup()
{
    m_registry.reset();
}

void FormsRuntimeTest::screenMeasuresInTwips()
{
    QCOMPARE(Screen::width(), 28800.0f);
    QCOMPARE(Screen::height(), 16200.0f);
}

void FormsRuntimeTest::positionReadsBackInTwips_data()
{
    QTest::addColumn<float>("left");
    QTest::addColumn<float>("top");
    QTest::addColumn<QPoint>("pixels");
    QTest::newRow("off the pixel grid") << 25805.0f << 13350.0f << QPoint(1720, 890);
    QTest::newRow("rounds up past half") << 25813.0f << 13342.0f << QPoint(1721, 889);
    QTest::newRow("exactly half rounds away from zero") << 22.5f << 7.5f << QPoint(2, 1);
    QTest::newRow("fractional twips") << 1234.25f << 0.75f << QPoint(82, 0);
    QTest::newRow("origin") << 0.0f << 0.0f << QPoint(0, 0);
}

void FormsRuntimeTest::positionReadsBackInTwips()
{
    QFETCH(float, left);
    QFETCH(float, top);
    QFETCH(QPoint, pixels);
    auto& form = m_registry->form<MainForm>();
    form.showModeless();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    form.setLeft(left);
    form.setTop(top);
    // What was written comes back unrounded; only the window itself snaps to a pixel.
    QCOMPARE(form.left(), left);
    QCOMPARE(form.top(), top);
    QCOMPARE(form.pos(), pixels);
    QTRY_COMPARE(form.windowHandle()->position(), pixels);
}

QTEST_MAIN(FormsRuntimeTest)

#include "tst_forms_runtime.moc"
