#include <gmock/gmock.h>

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QPixmap>

#include "runtime/core/exceptions.h"
#include "runtime/gui/control_building.h"
#include "runtime/gui/picture.h"
#include "runtime/gui/runtime_cast.h"
#include "runtime/gui/window_registry.h"
#include "tests/support/runtime_test_windows.h"

namespace runtimetest {
namespace {

class ControlsTest : public RuntimeTest {
 protected:
  void SetUp() override {
    FormWnd::Register();
    window = &rt::GetOrCreateWindow<FormWnd>(FormWnd::kClassName);
    ProcessEvents();
  }

  QWidget* Widget(const char* name) { return window->ControlByName(name)->Widget(); }

  FormWnd* window = nullptr;
};

TEST_F(ControlsTest, ControlsArePlacedFromTheContentAreasTopLeft) {
  struct Row {
    const char* name;
    QRect inContentArea;
  };
  for (const Row& row : {Row{"CountFld", {214, 116, 60, 22}}, Row{"CasesFld", {214, 143, 60, 22}},
                         Row{"ClearBtn", {400, 470, 80, 30}}, Row{"ReportFld", {20, 213, 460, 230}},
                         Row{"Logo", {54, -9, 381, 75}}, Row{"Credit", {184, 46, 117, 20}},
                         Row{"Mark", {463, 171, 22, 41}}}) {
    QWidget* widget = Widget(row.name);
    const QRect placed(widget->mapTo(window->ContentArea(), QPoint(0, 0)), widget->size());
    EXPECT_EQ(placed, row.inContentArea) << row.name;
    EXPECT_TRUE(widget->isVisible()) << row.name;
    EXPECT_EQ(widget->objectName().toStdString(), row.name);
  }
}

TEST_F(ControlsTest, AControlWithAnInitialParentSitsOnThatControl) {
  QWidget* credit = Widget("Credit");
  EXPECT_EQ(credit->parentWidget(), Widget("Logo"));
  EXPECT_EQ(credit->geometry(), QRect(130, 55, 117, 20));
}

TEST_F(ControlsTest, AnInitialParentThatNamesNoControlRaises) {
  auto label = window->New<rt::Label>();
  rt::Label& added = static_cast<rt::Label&>(window->AddControl(std::move(label), "Stray"));
  EXPECT_THROW(added.SetProperties(ControlLayout("Stray", {0, 0, 10, 10}, 0, false, {}, "Nowhere")),
               rt::UnsupportedFormatException);
}

TEST_F(ControlsTest, EnabledAndVisibleFollowTheLayoutAndTheProgram) {
  EXPECT_FALSE(Widget("ReportFld")->isEnabled());
  EXPECT_TRUE(Widget("CountFld")->isEnabled());
  window->Credit().SetVisible(false);
  EXPECT_FALSE(Widget("Credit")->isVisible());
  EXPECT_FALSE(window->Credit().Visible());
  window->ReportFld().SetEnabled(true);
  EXPECT_TRUE(Widget("ReportFld")->isEnabled());
}

TEST_F(ControlsTest, TabMovesAmongTabStopsOnlyInTabIndexOrder) {
  window->CountFld().SetFocus();
  std::vector<std::string> visited;
  for (int i = 0; i < 4; ++i) {
    PressKey(QApplication::focusWidget(), Qt::Key_Tab);
    visited.push_back(QApplication::focusWidget()->objectName().toStdString());
  }
  EXPECT_THAT(visited, ::testing::ElementsAre("CasesFld", "CatsFld", "CountFld", "CasesFld"));
}

TEST_F(ControlsTest, ControlsThatAreNoTabStopsAndLabelsTakeNoFocusByTab) {
  EXPECT_FALSE(Widget("ClearBtn")->focusPolicy() & Qt::TabFocus);
  EXPECT_FALSE(Widget("ReportFld")->focusPolicy() & Qt::TabFocus);
  EXPECT_EQ(Widget("Logo")->focusPolicy(), Qt::NoFocus);
  EXPECT_EQ(Widget("Credit")->focusPolicy(), Qt::NoFocus);
}

TEST_F(ControlsTest, TextFieldsTakeNoMoreCharactersThanAllowed) {
  TypeText(Widget("CountFld"), "123");
  TypeText(Widget("CasesFld"), "1234");
  EXPECT_EQ(window->CountFld().Text(), rt::String("12"));
  EXPECT_EQ(window->CasesFld().Text(), rt::String("123"));

  window->CountFld().SetMaximumCharactersAllowed(0);
  TypeText(Widget("CountFld"), "3456");
  EXPECT_EQ(window->CountFld().Text(), rt::String("123456"));
}

TEST_F(ControlsTest, FieldsLabelsAndButtonsShowTheirLayoutTexts) {
  EXPECT_EQ(window->GoBtn().Caption(), rt::String("Get Data"));
  EXPECT_EQ(window->Credit().Text(), rt::String("made here"));
  EXPECT_EQ(window->CountFld().Editor().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  EXPECT_EQ(window->Logo().Widget()->toolTip(), "Click to see splash screen");
}

TEST_F(ControlsTest, ColoursAreStoredRedGreenBlue) {
  EXPECT_EQ(Widget("Credit")->palette().color(QPalette::WindowText), QColor(0x06, 0x01, 0xFB));
  EXPECT_EQ(Widget("CountFld")->palette().color(QPalette::Base), QColor(255, 255, 255));
}

TEST_F(ControlsTest, SystemIsTheUserInterfaceFaceAndCourierAFixedPitchOne) {
  const QFont field = Widget("CountFld")->font();
  EXPECT_EQ(field.family(), QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
  EXPECT_EQ(field.pixelSize(), 12) << "layout font sizes count pixels at 72 to the inch";
  const QFont report = Widget("ReportFld")->font();
  EXPECT_TRUE(QFontInfo(report).fixedPitch()) << QFontInfo(report).family().toStdString();
  EXPECT_EQ(report.pixelSize(), 10);
}

TEST_F(ControlsTest, ACanvasPaintsItsBackdropFromItsTopLeftScaledDownOnlyWhenTooLarge) {
  rt::Canvas& mark = window->Mark();  // 22 x 41
  QPixmap fits(10, 30);
  fits.fill(Qt::red);
  mark.SetBackdrop(std::make_shared<rt::Picture>(fits));
  QImage painted = mark.Widget()->grab().toImage();
  EXPECT_EQ(painted.size(), QSize(22, 41));
  EXPECT_EQ(painted.pixelColor(0, 0), QColor(Qt::red));
  EXPECT_EQ(painted.pixelColor(9, 29), QColor(Qt::red));
  EXPECT_NE(painted.pixelColor(10, 0), QColor(Qt::red)) << "drawn at its own size";
  EXPECT_NE(painted.pixelColor(0, 30), QColor(Qt::red));

  QPixmap tooLarge(44, 44);
  tooLarge.fill(Qt::red);
  mark.SetBackdrop(std::make_shared<rt::Picture>(tooLarge));
  painted = mark.Widget()->grab().toImage();
  EXPECT_EQ(painted.pixelColor(21, 21), QColor(Qt::red)) << "scaled to 22 x 22, not cut off";
  EXPECT_NE(painted.pixelColor(0, 30), QColor(Qt::red)) << "keeping its proportions";

  mark.SetBackdrop(nullptr);
  EXPECT_EQ(mark.Backdrop(), nullptr);
  EXPECT_NE(mark.Widget()->grab().toImage().pixelColor(0, 0), QColor(Qt::red));
}

TEST_F(ControlsTest, ControlByNameFindsRegisteredControlsOnly) {
  EXPECT_EQ(window->ControlByName("GoBtn"), &window->GoBtn());
  EXPECT_EQ(window->ControlByName("GoBtn")->Name(), rt::String("GoBtn"));
  EXPECT_EQ(window->ControlByName("goBtn"), nullptr);
  EXPECT_EQ(window->ControlByName(""), nullptr);
}

TEST_F(ControlsTest, TheClassTestRaisesForNilAndForAnotherClass) {
  EXPECT_THROW(rt::RuntimeCheckCast<rt::TextField>(window->ControlByName("NoSuchFld")),
               rt::NilObjectException);
  try {
    rt::RuntimeCheckCast<rt::TextField>(window->ControlByName("GoBtn"));
    FAIL() << "no exception";
  } catch (const rt::IllegalCastException& error) {
    EXPECT_STREQ(error.what(), "Illegal cast: PushButton GoBtn is not a TextField");
  }
  rt::Window* asWindow = window;
  EXPECT_EQ(&rt::RuntimeCheckCast<FormWnd>(asWindow), window);
  EXPECT_THROW(rt::RuntimeCheckCast<EventWnd>(asWindow), rt::IllegalCastException);
}

TEST_F(ControlsTest, FindingOrBindingANameNoControlHasRaisesNilObject) {
  const auto messageOf = [](const auto& attempt) {
    try {
      attempt();
    } catch (const rt::NilObjectException& error) {
      return std::string(error.what());
    }
    return std::string("no NilObjectException");
  };
  EXPECT_EQ(messageOf([&] {
              rt::BindEvent(*window, "NoSuchBtn", rt::PushButton::kActionEvent,
                            &FormWnd::GoBtn_Action, "( PushButton )");
            }),
            "Nil object where a RectControl was expected");
  EXPECT_EQ(messageOf([&] { rt::FindControl<rt::PushButton>(*window, "NoSuchBtn"); }),
            "Nil object where a PushButton was expected");
}

TEST_F(ControlsTest, APropertyNeitherHonouredNorIgnoredRaisesNamingClassAndProperty) {
  struct Row {
    const char* what;
    std::function<void()> apply;
    const char* message;
  };
  const std::vector<Row> rows = {
      {"a button's property on a field",
       [&] { window->CountFld().SetProperties(Encode({Text("Caption", "x")})); },
       "TextField has no property Caption"},
      {"a field's property on a label",
       [&] { window->Credit().SetProperties(Encode({Boolean("Password", true)})); },
       "Label has no property Password"},
      {"a timer's property on a canvas",
       [&] { window->Logo().SetProperties(Encode({Integer("Period", 10)})); },
       "Canvas has no property Period"},
      {"a position on a timer",
       [&] {
         auto timer = window->New<rt::Timer>();
         timer->SetProperties(Encode({Integer("Left", 3)}));
       },
       "Timer has no property Left"},
  };
  for (const Row& row : rows) {
    try {
      row.apply();
      ADD_FAILURE() << row.what << ": no exception";
    } catch (const rt::UnsupportedFormatException& error) {
      EXPECT_STREQ(error.what(), row.message) << row.what;
    }
  }
}

TEST_F(ControlsTest, EntriesBeforeARejectedOneStayApplied) {
  EXPECT_THROW(window->CountFld().SetProperties(
                   Encode({Text("Value", "7"), Boolean("Multiline", true), Text("Value", "8")})),
               rt::UnsupportedFormatException);
  EXPECT_EQ(window->CountFld().Text(), rt::String("7"));
}

}  // namespace
}  // namespace runtimetest
