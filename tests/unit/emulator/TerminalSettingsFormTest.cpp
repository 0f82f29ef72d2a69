#include "emulator/TerminalSettingsForm.h"

#include "TerminalHarness.h"
#include "resources/resource.h"

#include <gtest/gtest.h>

#include <set>

namespace {

std::set<int> CheckedControls(const TerminalSettingsForm& form) {
    std::set<int> checked;
    for (int i = 0; i < TerminalSettingsForm::ControlCount; ++i)
        if (form.IsChecked(TerminalSettingsForm::ControlIds[i]))
            checked.insert(TerminalSettingsForm::ControlIds[i]);
    return checked;
}

TEST(TerminalSettingsFormTest, ControlsShowTheOptionsOneRadioPerGroup) {
    EXPECT_EQ(CheckedControls(TerminalSettingsForm(TerminalSettings())),
              (std::set<int>{IDC_VT100, IDC_FINNISH, IDC_BSDEL, IDC_HOMECTRLH}));
    TerminalSettings s;
    s.emulation = 2;
    s.nationalSet = 3;
    s.bsSendsCtrlH = 1;
    s.homeSendsCtrlA = 1;
    s.newlineMode = s.autowrap = s.monitorMode = s.multinational = s.localEcho = s.utf8 = 1;
    EXPECT_EQ(
        CheckedControls(TerminalSettingsForm(s)),
        (std::set<int>{IDC_VT200, IDC_BRITISH, IDC_BSCTRLH, IDC_HOMECTRLA, IDC_NEWLINE,
                       IDC_AUTOWRAP, IDC_MONITOR, IDC_MULTINATIONAL, IDC_LOCALECHO, IDC_UTF8}));
}

TEST(TerminalSettingsFormTest, ClicksKeepTheCopyInStepAndMarkWhatOkMustDo) {
    TerminalSettingsForm form{TerminalSettings()};
    form.Click(IDC_SWEDISH);
    EXPECT_EQ(form.values.nationalSet, 2);
    EXPECT_EQ(form.charsetChanged, 1);
    EXPECT_EQ(form.resetNeeded, 0);
    form.Click(IDC_TTY);
    EXPECT_EQ(form.values.emulation, 0);
    EXPECT_EQ(form.resetNeeded, 1);
    form.Click(IDC_BSCTRLH);
    form.Click(IDC_HOMECTRLA);
    EXPECT_EQ(form.values.bsSendsCtrlH, 1);
    EXPECT_EQ(form.values.homeSendsCtrlA, 1);
    form.Click(IDC_BSDEL);
    form.Click(IDC_HOMECTRLH);
    EXPECT_EQ(form.values.bsSendsCtrlH, 0);
    EXPECT_EQ(form.values.homeSendsCtrlA, 0);
    form.Click(IDC_LOCALECHO);
    form.Click(IDC_NEWLINE);
    form.Click(IDC_NEWLINE);
    EXPECT_EQ(form.values.localEcho, 1);
    EXPECT_EQ(form.values.newlineMode, 0);
    EXPECT_EQ(form.Click(IDC_MONITOR), 0);
    EXPECT_EQ(form.values.monitorMode, 1);
}

TEST(TerminalSettingsFormTest, MultinationalAndUtf8ChangeTheCharacterSets) {
    for (int id : {IDC_MULTINATIONAL, IDC_UTF8}) {
        TerminalSettingsForm form{TerminalSettings()};
        form.Click(id);
        EXPECT_EQ(form.charsetChanged, 1);
        EXPECT_TRUE(form.IsChecked(id));
        Terminal term;
        term.emu.ApplySettings(form.values, form.resetNeeded, form.charsetChanged);
        EXPECT_EQ(term.state.charsets.displayTable['['], '[') << id;
    }
}

TEST(TerminalSettingsFormTest, DefaultsRestoreEveryOptionAndAskForAReset) {
    TerminalSettings s;
    s.emulation = 0;
    s.nationalSet = 0;
    s.bsSendsCtrlH = s.homeSendsCtrlA = s.autowrap = s.newlineMode = 1;
    s.monitorMode = s.localEcho = s.multinational = s.utf8 = 1;
    TerminalSettingsForm form{s};
    form.Click(IDC_SWEDISH);
    EXPECT_EQ(form.Click(IDC_DEFAULTS), 1);
    EXPECT_EQ(form.resetNeeded, 1);
    EXPECT_EQ(form.charsetChanged, 0);
    EXPECT_EQ(CheckedControls(form),
              (std::set<int>{IDC_VT100, IDC_FINNISH, IDC_BSDEL, IDC_HOMECTRLH}));
    EXPECT_EQ(form.values.monitorMode, 0);
    EXPECT_EQ(form.values.localEcho, 0);
}

TEST(TerminalSettingsFormTest, OptionsOutsideTheTablesCheckNoRadioOfTheirGroup) {
    TerminalSettings s;
    s.emulation = 5;
    s.nationalSet = 9;
    TerminalSettingsForm form{s};
    for (int id :
         {IDC_TTY, IDC_VT100, IDC_VT200, IDC_USASCII, IDC_FINNISH, IDC_SWEDISH, IDC_BRITISH})
        EXPECT_FALSE(form.IsChecked(id)) << id;
}

// The form's result applied to a running terminal, as OK does.
class TerminalSettingsOkTest : public ::testing::Test {
  protected:
    void Ok(TerminalSettingsForm& form) {
        term.emu.ApplySettings(form.values, form.resetNeeded, form.charsetChanged);
    }
    Terminal term;
};

TEST_F(TerminalSettingsOkTest, NewEmulationResetsAndTurnsMonitorModeOff) {
    term.Feed("\x1b[5;10r");
    TerminalSettingsForm form{term.emu.CurrentSettings()};
    form.Click(IDC_MONITOR);
    form.Click(IDC_VT200);
    Ok(form);
    EXPECT_EQ(term.emu.CurrentSettings().emulation, 2);
    EXPECT_EQ(term.emu.CurrentSettings().monitorMode, 0);
    EXPECT_EQ(term.state.scrollTop, 0);
    EXPECT_EQ(term.state.scrollBottom, 23);
}

TEST_F(TerminalSettingsOkTest, NationalSetAloneChangesTheSetsWithoutAReset) {
    term.Feed("\x1b[5;10r");
    TerminalSettingsForm form{term.emu.CurrentSettings()};
    form.Click(IDC_USASCII);
    Ok(form);
    EXPECT_EQ(term.emu.CurrentSettings().nationalSet, 0);
    EXPECT_EQ(term.state.scrollTop, 4);
    EXPECT_EQ(term.state.charsets.displayTable['['], '[');
    TerminalSettingsForm finnish{term.emu.CurrentSettings()};
    finnish.Click(IDC_FINNISH);
    Ok(finnish);
    EXPECT_NE(term.state.charsets.displayTable['['], '[');
    EXPECT_EQ(term.state.scrollTop, 4);
}

TEST_F(TerminalSettingsOkTest, MonitorModeWithoutResetActsAtOnce) {
    TerminalSettingsForm form{term.emu.CurrentSettings()};
    form.Click(IDC_MONITOR);
    Ok(form);
    term.Feed("\x01");
    EXPECT_EQ(term.Row(0), "^A");
}

} // namespace
