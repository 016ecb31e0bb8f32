#include "QtPrinters.h"
#include "ZnForwardingQuery.h"

#include <gtest/gtest.h>

// What the forwarding table's find box makes of a text, and which rows it lets through.
namespace {

using Kind = ZnForwardingQuery::Kind;

TEST(ZnForwardingQueryTest, ReadsPortsAndAddressesInEveryNotation) {
  struct Case {
    const char* typed;
    Kind kind;
    const char* digits;
  };
  const Case cases[] = {
      {"", Kind::All, ""},
      {"   ", Kind::All, ""},
      {"12", Kind::Port, ""},
      {" 7 ", Kind::Port, ""},
      {"65535", Kind::Port, ""},
      // A leading zero or more than a port number holds makes it an address.
      {"012", Kind::Address, "012"},
      {"65536", Kind::Address, "65536"},
      {"00:1C:F0:59:60:00", Kind::Address, "001CF0596000"},
      {"00-1c-f0-59-60-00", Kind::Address, "001CF0596000"},
      {"001c.f059.6000", Kind::Address, "001CF0596000"},
      {"001cf0596000", Kind::Address, "001CF0596000"},
      {"0:1c:f0:59:60:00", Kind::Address, "001CF0596000"},
      {"1c.f059.6000", Kind::Address, "001CF0596000"},
      // The group being typed is the start of its digits, so the list narrows key by key.
      {"00:1c:f0:5", Kind::Address, "001CF05"},
      {"00-1c-f0-59-60-0", Kind::Address, "001CF059600"},
      {"1c.f0", Kind::Address, "001CF0"},
      {"00 1C F0", Kind::Address, "001CF0"},
      {"00:1C:", Kind::Address, "001C"},
      {"0", Kind::Address, "0"},
      {"a", Kind::Address, "A"},
      {"00:1C:F0:59:60:00:01", Kind::Nothing, ""},
      // One notation at a time: mixed separators, a doubled one, a group too long for its kind.
      {"00:1c-f0", Kind::Nothing, ""},
      {"00::1c", Kind::Nothing, ""},
      {"001c:f0", Kind::Nothing, ""},
      {"00:1c:f05", Kind::Nothing, ""},
      {"00_1C", Kind::Nothing, ""},
      {"port 3", Kind::Nothing, ""},
      {":", Kind::Nothing, ""},
  };
  for (const Case& c : cases) {
    const ZnForwardingQuery query(QString::fromLatin1(c.typed));
    EXPECT_EQ(query.kind(), c.kind) << c.typed;
    if (c.kind == Kind::Address) {
      EXPECT_EQ(query.Digits().toStdString(), c.digits) << c.typed;
    }
  }
}

TEST(ZnForwardingQueryTest, LetsThroughTheRowsAsked) {
  struct Case {
    const char* typed;
    const char* address;
    const char* port;
    bool matches;
  };
  const Case cases[] = {
      {"", "001CF0596000", "3", true},
      {"3", "001CF0596000", "3", true},
      {"3", "001CF0596000", "13", false},
      {"3", "3CF0596000AA", "4", false},  // a port is never an address prefix
      {"00-1c-f0", "001CF0596000", "3", true},
      {"001cF0", "001CF0596000", "3", true},
      {"00-1c-f1", "001CF0596000", "3", false},
      {"001CF0596000", "001CF0596000", "3", true},
      {"1CF0", "001CF0596000", "3", false},  // the start of the address, not any part
      {"port", "001CF0596000", "3", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ZnForwardingQuery(QString::fromLatin1(c.typed))
                  .Matches(QString::fromLatin1(c.address), QString::fromLatin1(c.port)),
              c.matches)
        << c.typed << " / " << c.address << " / " << c.port;
  }
}

}  // namespace
