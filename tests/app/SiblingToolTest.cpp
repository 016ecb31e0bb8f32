#include "QtPrinters.h"
#include "ZnSiblingTool.h"

#include <gtest/gtest.h>

// The sibling tools get exactly the connection the module was given, in a fixed order.
namespace {

const QString kDir = "/opt/host/";

TEST(SiblingToolTest, CommunitiesForVersion1And2c) {
  ZnLaunchTexts t;
  t.DeviceAddress = "10.1.1.1";
  t.ReadCommunity = "tamrel";
  t.WriteCommunity = "vosquin";
  const QString exe = ZnSiblingProgramSuffix();
  EXPECT_EQ(ZnSiblingCommandLine("/TMIB_Info", kDir, 0, t, {}),
            "/opt/host/MIB" + exe + " /I10.1.1.1 /Rtamrel /Wvosquin /TMIB_Info");
  // The tool name ends at the first "_".
  EXPECT_EQ(ZnSiblingCommandLine("/TEthernetLike_dot3StatsTable", kDir, 1, t, {}),
            "/opt/host/EthernetLike" + exe +
                " /I10.1.1.1 /Rtamrel /Wvosquin /TEthernetLike_dot3StatsTable");
  // Empty values stay bare switches.
  EXPECT_EQ(ZnSiblingCommandLine("/TMIB_Info", kDir, 0, ZnLaunchTexts{}, {}),
            "/opt/host/MIB" + exe + " /I /R /W /TMIB_Info");
}

TEST(SiblingToolTest, Version3PassesOnWhatWasGiven) {
  const QString exe = ZnSiblingProgramSuffix();
  ZnLaunchTexts t;
  t.DeviceAddress = "10.1.1.2";
  t.AuthPassword = "auth-secret";
  ZnHandOverFlags f;
  f.AuthPasswordGiven = true;
  EXPECT_EQ(ZnSiblingCommandLine("/TBridge_Port", kDir, 3, t, f),
            "/opt/host/Bridge" + exe + " /I10.1.1.2 /Aauth-secret /TBridge_Port");

  // With a profile the profile's values come first, even empty ones.
  t.AgentPortText = "1161";
  t.VersionText = "3";
  t.SecurityModelText = "3";
  t.SecurityName = "ops";
  t.ContextName = "nx-ctx";
  t.SecurityLevelText = "3";
  t.AuthProtocolText = "3";
  t.PrivProtocolText = "5";
  t.PrivPassword = "priv-secret";
  f = {true, true, true, true, true, true, true};
  EXPECT_EQ(ZnSiblingCommandLine("/TRmon_History", kDir, 3, t, f),
            "/opt/host/Rmon" + exe +
                " /I10.1.1.2 /t1161 /v3 /d /m3 /nops /cnx-ctx /l3 /a3 /Aauth-secret /p5"
                " /Ppriv-secret /TRmon_History");
}

TEST(SiblingToolTest, TheLineIsSplitOnBlanksOnly) {
  EXPECT_EQ(ZnSplitCommandLine("/opt/host/MIB /I10.1.1.1 /R;rm /W$(x)  /TMIB_Info"),
            (QStringList{"/opt/host/MIB", "/I10.1.1.1", "/R;rm", "/W$(x)", "/TMIB_Info"}));
}

}  // namespace
