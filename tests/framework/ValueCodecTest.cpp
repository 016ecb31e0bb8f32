#include "ErrorCode.h"
#include "QtPrinters.h"
#include "ZnOptionList.h"
#include "ZnSNMPMessages.h"
#include "ZnSNMPValueCodec.h"
#include "ZnValueFormat.h"

#include <gtest/gtest.h>

namespace {

// A one-variable list of the given syntax, for the value conversions.
ZnSNMPVarList OneVariable(std::uint32_t syntax, const ZnOptionList* options = nullptr) {
  const ZnSNMPVarDef table[] = {{"1.3.6.1.4.1.99917.1", "v", syntax, ZnAccess::ReadWrite, options},
                                {}};
  return ZnSNMPVarList(table, ZnItemType::SVT_SV, 0);
}

QString Stored(std::uint32_t syntax, const ZnSNMPValue& value) {
  ZnSNMPVarList list = OneVariable(syntax);
  ZnStoreValue(list, 0, value);
  return list.Item(0).Value;
}

ZnSNMPValue Loaded(std::uint32_t syntax, const QString& text) {
  ZnSNMPVarList list = OneVariable(syntax);
  list.Item(0).Value = text;
  return ZnLoadValue(list, 0);
}

using V = ZnSNMPValue;
QByteArray B(const char* data, int size) {
  return QByteArray(data, size);
}

TEST(StoreValueTest, EverySyntaxToText) {
  EXPECT_EQ(Stored(0x01, V::MakeInteger(5)), "true");
  EXPECT_EQ(Stored(0x01, V::MakeInteger(0)), "false");
  EXPECT_EQ(Stored(0x02, V::MakeInteger(-7)), "-7");
  EXPECT_EQ(Stored(0x04, V::MakeBytes(V::OctetString, B("\x00\xAB", 2))), "00AB");
  EXPECT_EQ(Stored(0x03, V::MakeBytes(V::OctetString, B("\x80\x00\x00\x40", 4))), "80000040");
  EXPECT_EQ(Stored(0x44, V::MakeBytes(V::Opaque, B("\x01", 1))), "01");
  EXPECT_EQ(Stored(0x05, V::MakeNull()), "(NULL)");
  EXPECT_EQ(Stored(0x06, V::MakeOid({1, 3, 6, 1, 2, 1})), "1.3.6.1.2.1");
  EXPECT_EQ(Stored(0x40, V::MakeBytes(V::IpAddress, B("\xC0\xA8\x01\xFE", 4))), "192.168.1.254");
  EXPECT_EQ(Stored(0x45, V::MakeBytes(V::IpAddress, B("\x0A\x00\x00\x01", 4))), "10.0.0.1");
  EXPECT_EQ(Stored(0x41, V::MakeUnsigned(V::Counter32, 4294967295u)), "4294967295");
  EXPECT_EQ(Stored(0x42, V::MakeUnsigned(V::Gauge32, 7)), "7");
  EXPECT_EQ(Stored(0x47, V::MakeUnsigned(V::UInteger32, 8)), "8");
  EXPECT_EQ(Stored(0x43, V::MakeUnsigned(V::TimeTicks, 17280001)), "2 days, 0:00:00.01");
  EXPECT_EQ(Stored(0x46, V::MakeUnsigned(V::Counter64, 18446744073709551615ull)),
            "18446744073709551615");
  EXPECT_EQ(Stored(0x48, V::MakeBytes(V::OctetString, B("\0\0\0\0\0\0\xF0\x3F", 8))), "1");
  EXPECT_EQ(Stored(0x49, V::MakeBytes(V::OctetString, B("\x00\x11\x22\x33\x44\x55", 6))),
            "001122334455");
  EXPECT_EQ(Stored(0x4a, V::MakeBytes(V::OctetString,
                                      B("\x07\xD5\x03\x07\x0D\x05\x09\x00-\x05\x1E", 11))),
            "2005-3-7,13:5:9.0,-5:30");
  EXPECT_EQ(Stored(0x4b, V::MakeBytes(V::OctetString, B("\0\0\0\0\x58\xC2\xE2\x40", 8))),
            "2005/03/07 06:00:00 pm");
  EXPECT_EQ(Stored(0x4c, V::MakeBytes(V::OctetString, B("sw-1\0junk", 9))), "sw-1");
  EXPECT_EQ(Stored(0x4d, V::MakeBytes(V::OctetString, QByteArray(16, '\x01'))),
            QString(32, QLatin1Char('0')).replace(QLatin1String("00"), QLatin1String("01")));
}

TEST(StoreValueTest, AbsentOrShortValuesNeverReadOutside) {
  const V missing = V{V::NoSuchInstance, 0, 0, {}, {}};
  EXPECT_EQ(Stored(0x02, missing), "(NULL)");
  EXPECT_EQ(Stored(0x43, missing), "(NULL)");
  EXPECT_EQ(Stored(0x04, missing), "");  // octet strings show their (empty) bytes
  EXPECT_EQ(Stored(0x49, missing), "");
  EXPECT_EQ(Stored(0x4c, missing), "");
  EXPECT_EQ(Stored(0x4c, V::MakeBytes(V::OctetString, {})), "");
  EXPECT_EQ(Stored(0x06, V::MakeOid({})), "(NULL)");
  EXPECT_EQ(Stored(0x40, V::MakeBytes(V::IpAddress, B("\x0A", 1))), "(NULL)");
  // Short fixed-size values count their missing bytes as 0.
  EXPECT_EQ(Stored(0x48, V::MakeBytes(V::OctetString, B("\x00", 1))), "0");
  EXPECT_EQ(Stored(0x48, V::MakeBytes(V::OctetString, {})), "(NULL)");
  EXPECT_EQ(Stored(0x4b, V::MakeBytes(V::OctetString, B("\x00", 1))), "1899/12/30 12:00:00 am");
  EXPECT_EQ(Stored(0x4a, V::MakeBytes(V::OctetString, B("\x07\xD5", 2))), "2005-0-0,0:0:0.0");
  EXPECT_EQ(Stored(0x4d, V::MakeBytes(V::OctetString, B("\xFE\x80", 2))), "FE80");
  // A value of the wrong kind is treated as no value.
  EXPECT_EQ(Stored(0x02, V::MakeBytes(V::OctetString, B("1", 1))), "(NULL)");
}

TEST(StoreValueTest, OptionLabelsAndUnknownSyntax) {
  const ZnOptionItem items[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
  const ZnOptionList options(items);
  ZnSNMPVarList list = OneVariable(0x02, &options);
  ZnStoreValue(list, 0, V::MakeInteger(2));
  EXPECT_EQ(list.Item(0).Value, "disabled");
  EXPECT_EQ(ZnLoadValue(list, 0), V::MakeInteger(2));
  ZnStoreValue(list, 0, V::MakeInteger(7));
  EXPECT_EQ(list.Item(0).Value, "7");

  for (std::uint32_t partial : {0xc1u, 0xc2u, 0xc3u, 0xc4u, 0xc5u, 0xc6u, 0x00u, 0x07u, 0x4eu}) {
    ZnSNMPVarList bad = OneVariable(partial);
    EXPECT_EQ(CodeOf([&] { ZnStoreValue(bad, 0, V::MakeInteger(1)); }), -511) << partial;
    EXPECT_EQ(CodeOf([&] { ZnLoadValue(bad, 0); }), -511) << partial;
    bad.Item(0).Value = "(NULL)";
    EXPECT_EQ(CodeOf([&] { ZnLoadValue(bad, 0); }), -511) << partial;
    bad.KeyCount = 1;
    bad.ItemType = ZnItemType::MVT_FMV;
    EXPECT_EQ(CodeOf([&] { ZnEncodeIndexPart(bad, 0); }), -511) << partial;
    EXPECT_EQ(CodeOf([&] { ZnDecodeIndexPart(bad, 0, "1"); }), -511) << partial;
  }
}

TEST(LoadValueTest, EverySyntaxFromText) {
  EXPECT_EQ(Loaded(0x01, "true"), V::MakeInteger(1));
  EXPECT_EQ(Loaded(0x01, "True"), V::MakeInteger(0));  // compared exactly
  EXPECT_EQ(Loaded(0x02, " -12abc"), V::MakeInteger(-12));
  EXPECT_EQ(Loaded(0x02, "x"), V::MakeInteger(0));
  EXPECT_EQ(Loaded(0x02, "99999999999"), V::MakeInteger(2147483647));
  EXPECT_EQ(Loaded(0x04, "0 ab"), V::MakeBytes(V::OctetString, B("\x00\xAB", 2)));
  EXPECT_EQ(Loaded(0x44, "01"), V::MakeBytes(V::Opaque, B("\x01", 1)));
  EXPECT_EQ(Loaded(0x05, "anything"), V::MakeNull());
  EXPECT_EQ(Loaded(0x06, "1.3.6.1"), V::MakeOid({1, 3, 6, 1}));
  EXPECT_EQ(Loaded(0x40, "192.168.1.254"), V::MakeBytes(V::IpAddress, B("\xC0\xA8\x01\xFE", 4)));
  EXPECT_EQ(Loaded(0x41, "17"), V::MakeUnsigned(V::Gauge32, 17));  // sent as Gauge32
  EXPECT_EQ(Loaded(0x47, "17"), V::MakeUnsigned(V::Gauge32, 17));
  EXPECT_EQ(Loaded(0x43, "1 day 0:00:00.00"), V::MakeUnsigned(V::TimeTicks, 8640000));
  EXPECT_EQ(Loaded(0x46, "18446744073709551615"),
            V::MakeUnsigned(V::Counter64, 18446744073709551615ull));
  EXPECT_EQ(Loaded(0x48, "1"), V::MakeBytes(V::OctetString, B("\0\0\0\0\0\0\xF0\x3F", 8)));
  EXPECT_EQ(Loaded(0x49, "001122334455"),
            V::MakeBytes(V::OctetString, B("\x00\x11\x22\x33\x44\x55", 6)));
  EXPECT_EQ(Loaded(0x4a, "2005-3-7,13:5:9.0"),
            V::MakeBytes(V::OctetString, B("\x07\xD5\x03\x07\x0D\x05\x09\x00+\x00\x00", 11)));
  EXPECT_EQ(Loaded(0x4b, "2005/03/07 06:00:00 pm"),
            V::MakeBytes(V::OctetString, B("\0\0\0\0\x58\xC2\xE2\x40", 8)));
  EXPECT_EQ(Loaded(0x4c, "sw-1"), V::MakeBytes(V::OctetString, "sw-1"));
  EXPECT_EQ(Loaded(0x4c, QStringLiteral("caf\u00e9")), V::MakeBytes(V::OctetString, "caf\xE9"));
  EXPECT_EQ(Loaded(0x4c, "(NULL)"), V::MakeNull());
  EXPECT_EQ(Loaded(0x02, "(NULL)"), V::MakeNull());
}

// A text that no value of the syntax can stand for is refused before anything is sent, instead
// of going out as another value: a malformed address as 0.0.0.0, an unsigned number beyond 32
// bits wrapped around (4294967296 as 0, -1 as 4294967295), an OID text as part of an OID or as
// none, a MAC address of five or seven bytes, or with its separators read as zeros.
TEST(LoadValueTest, TextsNoValueCanStandForAreRefusedNotChanged) {
  constexpr int kRange = ZnCode::ValueOutOfRange;
  struct Refused {
    std::uint32_t syntax;
    int code;
    std::vector<const char*> texts;
  };
  const Refused refused[] = {
      {ZnSyntax::IpAddress,
       ZnCode::InvalidAddress,
       {"192.168.1.300", "256.1.1.1", "10.1.1", "1.2.3.4x", "", "1.2.3.4.5", "1..2.3", "a.b.c.d",
        "1.2.3.-4", "0001.2.3.4"}},
      {ZnSyntax::Counter, kRange, {"-1", "4294967296"}},
      {ZnSyntax::Gauge, kRange, {"-1", "4294967296", "18446744073709551616"}},
      {ZnSyntax::UInteger, kRange, {"-1", "4294967296", "99999999999"}},
      {ZnSyntax::ObjectId,
       kRange,
       {"1.3.x", "abc", "", "1..3", "1.3.", ".", "1.3.6.1.99999999999", "1", "3.6.1", "1.40.1"}},
      // Five and seven bytes; a digit that is none; separators mixed, doubled, left over or
      // holding more digits than their group has; and a four-byte address whose separators,
      // read as zeros, would make six bytes of another station.
      {ZnSyntax::MacAddress,
       kRange,
       {"001C2E0000", "001C2E00000102", "00:1c:2e:00:00", "00:1c:2e:00:00:01:02", "001c.2e00",
        "001c.2e00.0001.0002", "00:1c:2e:00:00:0g", "00:1c:2e-00-00-01", "00:1c:2e:00:00:01:",
        "00::1c:2e:00:00:01", "001c2e:00:00:01", "001c.2e00.00001", "00:1c:2e:00", "", "station"}},
  };
  for (const Refused& r : refused) {
    for (const char* text : r.texts) {
      SCOPED_TRACE(text);
      EXPECT_EQ(CodeOf([&] { Loaded(r.syntax, text); }), r.code) << r.syntax;
      EXPECT_TRUE(r.syntax != ZnSyntax::IpAddress || !ZnIsIpAddressText(text));
    }
  }
  EXPECT_EQ(ZnFrameworkError(kRange).Message(),
            "(ZnSNMP++) Value out of range for the SNMP variable's syntax!");

  // The edges that are still values.
  EXPECT_EQ(Loaded(ZnSyntax::IpAddress, " 10.1.1.9 "),
            V::MakeBytes(V::IpAddress, B("\x0A\x01\x01\x09", 4)));
  EXPECT_EQ(Loaded(ZnSyntax::Gauge, "4294967295"), V::MakeUnsigned(V::Gauge32, 4294967295u));
  EXPECT_EQ(Loaded(ZnSyntax::Counter, "-0"), V::MakeUnsigned(V::Gauge32, 0));
  EXPECT_EQ(Loaded(ZnSyntax::ObjectId, " 1.3.6.1.4.1.99917 "),
            V::MakeOid({1, 3, 6, 1, 4, 1, 99917}));
  EXPECT_EQ(Loaded(ZnSyntax::ObjectId, "0.0"), V::MakeOid({0, 0}));
  EXPECT_EQ(Loaded(ZnSyntax::ObjectId, "2.999.1"), V::MakeOid({2, 999, 1}));
}

// A MAC address is taken in any usual notation wherever one is typed: each gives the same six
// bytes on the wire.
TEST(LoadValueTest, AMacAddressIsTakenInAnyUsualNotation) {
  const V wire = V::MakeBytes(V::OctetString, B("\x00\x1C\x2E\x00\x00\x01", 6));
  for (const char* text : {"001C2E000001", "001c2e000001", "00:1c:2e:00:00:01", "00:1C:2E:00:00:01",
                           "00-1C-2E-00-00-01", "00-1c-2e-00-00-01", "001c.2e00.0001",
                           "001C.2E00.0001", "00 1C 2E 00 00 01", " 00:1C:2E:00:00:01 ",
                           "\t001c.2e00.0001 ", "0:1c:2e:0:0:1", "1c.2e00.1"}) {
    SCOPED_TRACE(text);
    EXPECT_EQ(Loaded(ZnSyntax::MacAddress, text), wire);
  }
}

// A table list whose key variables have the given syntaxes (and access bits).
ZnSNMPVarList Keys(std::initializer_list<std::pair<std::uint32_t, std::uint32_t>> keys) {
  ZnSNMPVarList list;
  list.ItemType = ZnItemType::MVT_FMV;
  std::vector<ZnSNMPVarDef> table;
  for (const auto& [syntax, access] : keys)
    table.push_back({"1.3.6.1.4.1.99917.2.1.1", "key", syntax, access});
  table.push_back({"1.3.6.1.4.1.99917.2.1.9", "column", ZnSyntax::Integer, ZnAccess::ReadWrite});
  table.push_back({});
  list.Append(table.data());
  list.KeyCount = static_cast<int>(keys.size());
  return list;
}

struct IndexCase {
  std::uint32_t syntax;
  std::uint32_t access;
  const char* value;
  const char* instance;
};

TEST(IndexTest, EveryKindEncodesAndDecodesBack) {
  const IndexCase cases[] = {
      {0x01, 0x02, "true", "1"},
      {0x02, 0x02, "17", "17"},
      {0x02, 0x02, "-1", "4294967295"},
      {0x41, 0x02, "4294967295", "4294967295"},
      {0x04, 0x02, "00AB", "2.0.171"},
      {0x04, 0x42, "00AB", "0.171"},
      {0x04, 0x02, "", "0"},
      {0x4c, 0x02, "AB", "2.65.66"},
      {0x4c, 0x41, "AB", "65.66"},
      {0x06, 0x02, "1.3.6", "3.1.3.6"},
      {0x06, 0x42, "1.3.6", "1.3.6"},
      {0x40, 0x02, "192.168.1.2", "192.168.1.2"},
      {0x45, 0x02, "10.0.0.1", "10.0.0.1"},
      {0x43, 0x02, "1 day 0:00:00.00", "8640000"},
      {0x46, 0x02, "18446744073709551615", "4294967295.4294967295"},
      {0x46, 0x02, "4294967296", "1.0"},
      {0x48, 0x02, "1", "0.1072693248"},
      {0x4b, 0x02, "2005/03/07 06:00:00 pm", "0.1088602712"},
      {0x49, 0x02, "001122334455", "0.17.34.51.68.85"},
      {0x4a, 0x02, "2005-3-7,13:5:9.0,-5:30", "7.213.3.7.13.5.9.0.45.5.30"},
      {0x4d, 0x02, "FE800000000000000000000000000001", "254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1"},
      {0x4d, 0x42, "FE800000000000000000000000000001", "254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1"},
  };
  for (const IndexCase& c : cases) {
    ZnSNMPVarList list = Keys({{c.syntax, c.access}});
    list.Item(0).Value = c.value;
    EXPECT_EQ(ZnEncodeInstance(list), c.instance) << c.syntax << " " << c.value;
    list.Item(0).Value = "changed";
    EXPECT_EQ(ZnDecodeIndexPart(list, 0, c.instance), "") << c.syntax << " " << c.value;
    EXPECT_EQ(list.Item(0).Value, c.value) << c.syntax << " " << c.instance;
  }
}

TEST(IndexTest, SeveralKeysConsumeExactlyTheirParts) {
  ZnSNMPVarList list = Keys({{0x02, 0x02}, {0x49, 0x02}, {0x4c, 0x02}, {0x40, 0x41}});
  ZnDecodeInstance(list, "5.0.17.34.51.68.85.3.97.98.99.10.0.0.1");
  EXPECT_EQ(list.Item(0).Value, "5");
  EXPECT_EQ(list.Item(1).Value, "001122334455");
  EXPECT_EQ(list.Item(2).Value, "abc");
  EXPECT_EQ(list.Item(3).Value, "10.0.0.1");
  // The key that is never read remembers the whole instance as its own.
  EXPECT_EQ(list.Item(3).CurrentOid,
            "1.3.6.1.4.1.99917.2.1.1.5.0.17.34.51.68.85.3.97.98.99.10.0.0.1");
  EXPECT_EQ(ZnEncodeInstance(list), "5.0.17.34.51.68.85.3.97.98.99.10.0.0.1");
  EXPECT_EQ(ZnDecodeIndexPart(list, 0, "5.6.7"), "6.7");

  // IMPLIED counts only on the last key: earlier strings keep their length.
  ZnSNMPVarList implied = Keys({{0x4c, 0x42}, {0x4c, 0x42}});
  ZnDecodeInstance(implied, "1.65.66.67");
  EXPECT_EQ(implied.Item(0).Value, "A");
  EXPECT_EQ(implied.Item(1).Value, "BC");
}

TEST(IndexTest, LabelsTravelAsValues) {
  const ZnOptionItem items[] = {{1, "port1"}, {2, "port2"}, {0, nullptr}};
  const ZnOptionList options(items);
  ZnSNMPVarList list = Keys({{0x02, 0x02}});
  list.Item(0).Options = &options;
  list.Item(0).Value = "port2";
  EXPECT_EQ(ZnEncodeInstance(list), "2");
  ZnDecodeIndexPart(list, 0, "1");
  EXPECT_EQ(list.Item(0).Value, "port1");
}

TEST(IndexTest, ShortValuesEncodeNothing) {
  ZnSNMPVarList list = Keys({{0x02, 0x02}, {0x49, 0x02}});
  list.Item(0).Value = "3";
  list.Item(1).Value = "0011";
  EXPECT_EQ(ZnEncodeInstance(list), "3");
  list.Item(1).Value = "001122334455FFFF";  // only the first six bytes count
  EXPECT_EQ(ZnEncodeInstance(list), "3.0.17.34.51.68.85");
  // A key typed in a usual notation is the same station; a text that is none, its separators
  // read as zeros, would be another station's row.
  list.Item(1).Value = "00-11-22-33-44-55";
  EXPECT_EQ(ZnEncodeInstance(list), "3.0.17.34.51.68.85");
  list.Item(1).Value = "00:11:22:33";
  EXPECT_EQ(ZnEncodeInstance(list), "3");
}

TEST(IndexTest, MalformedInstancesRaiseInsteadOfReadingOutside) {
  struct Bad {
    std::uint32_t syntax;
    std::uint32_t access;
    const char* instance;
    int code;
  };
  const Bad cases[] = {
      {0x40, 0x02, "10.0", -514},          // fewer parts than an address
      {0x4c, 0x02, "5.65.66", -514},       // length beyond the instance
      {0x4c, 0x02, "4294967295.1", -514},  // a huge length allocates nothing
      {0x06, 0x02, "9.1.2", -514},
      {0x49, 0x02, "1.2.3.4.5", -514},
      {0x4a, 0x02, "7.213.3", -514},
      {0x46, 0x02, "1", -514},
      {0x4c, 0x02, "2.65.256", -529},  // a byte above 255
      {0x04, 0x42, "1.300", -529},
      {0x49, 0x02, "0.17.34.51.68.999", -529},
      {0x02, 0x02, "1..2", -529},  // not dotted decimal
      {0x02, 0x02, "x", -529},
      {0x02, 0x02, "4294967296", -529},  // beyond 32 bits
  };
  for (const Bad& c : cases) {
    ZnSNMPVarList list = Keys({{c.syntax, c.access}});
    EXPECT_EQ(CodeOf([&] { ZnDecodeIndexPart(list, 0, c.instance); }), c.code)
        << c.syntax << " " << c.instance;
  }
  ZnSNMPVarList two = Keys({{0x02, 0x02}, {0x02, 0x02}});
  EXPECT_EQ(CodeOf([&] { ZnDecodeInstance(two, "7"); }), -514);
  EXPECT_EQ(CodeOf([&] { ZnDecodeInstance(two, ""); }), -514);
}

TEST(OidTextTest, StrictDottedDecimal) {
  std::vector<std::uint32_t> oid;
  EXPECT_TRUE(ZnParseOid(".1.3.6", oid));
  EXPECT_EQ(oid, (std::vector<std::uint32_t>{1, 3, 6}));
  EXPECT_TRUE(ZnParseOid("4294967295", oid));
  for (const char* bad : {"", ".", "1.", "1..3", "1.3a", "-1", "4294967296", " 1"})
    EXPECT_FALSE(ZnParseOid(bad, oid)) << bad;
}

}  // namespace
