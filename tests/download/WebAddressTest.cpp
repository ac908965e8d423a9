#include "download/WebAddress.h"

#include <gtest/gtest.h>

TEST(WebAddress, OnlyAbsoluteHttpAndHttpsAddressesAreFetched)
{
    for (const char *fetched : {"http://s/f.bin", "HTTPS://s:8443/a?b#c", "http://u@s/f.bin"}) {
        EXPECT_FALSE(webAddressProblem(QUrl(fetched)).has_value()) << fetched;
    }
    for (const char *refused :
         {"file:///etc/hostname", "data:application/octet-stream,AAAA", "ftp://s/f.bin", "f.bin",
          "//s/f.bin", "/etc/passwd", "http:f.bin", "javascript:alert(1)", "qrc:/demo/x"}) {
        const std::optional<QString> why = webAddressProblem(QUrl(refused));
        ASSERT_TRUE(why.has_value()) << refused;
        EXPECT_TRUE(why->contains(QUrl(refused).toDisplayString())) << refused;
        // The quick answer never takes what the full one refuses.
        EXPECT_FALSE(isPlainWebAddress(QUrl(refused).toEncoded())) << refused;
    }
    for (const char *refused : {"http://@/f.bin", "http://u@/f.bin", "http:///f.bin"}) {
        EXPECT_FALSE(isPlainWebAddress(QUrl(refused).toEncoded())) << refused;
    }
    EXPECT_TRUE(isPlainWebAddress(QUrl("HTTPS://s:8443/a?b#c").toEncoded()));
}
