#include "core/common/extended.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

namespace kr {
namespace {

ExtendedBytes HostBytes(Extended value)
{
    ExtendedBytes bytes{};
    std::memcpy(bytes.data(), &value, bytes.size());
    return bytes;
}

TEST(Extended, EncodesLikeTheHostX87Layout)
{
    for (Extended v : {1.0L, -1.0L, 0.35L, 1e4000L, -2.5e-4000L, 3.14159265358979323846L,
                       std::numeric_limits<Extended>::max(), std::numeric_limits<Extended>::min(),
                       std::numeric_limits<Extended>::denorm_min(), std::numeric_limits<Extended>::infinity()})
        EXPECT_EQ(EncodeExtended(v), HostBytes(v)) << static_cast<double>(v);
}

TEST(Extended, RoundTripsEveryKindOfValue)
{
    const Extended specials[] = {0.0L, -0.0L, std::numeric_limits<Extended>::infinity(),
                                 -std::numeric_limits<Extended>::infinity(),
                                 std::numeric_limits<Extended>::denorm_min(),
                                 std::numeric_limits<Extended>::min() / 3,
                                 -std::numeric_limits<Extended>::max()};
    for (Extended v : specials) {
        const Extended back = DecodeExtended(EncodeExtended(v));
        EXPECT_EQ(back, v);
        EXPECT_EQ(std::signbit(back), std::signbit(v));
    }
    EXPECT_TRUE(std::isnan(DecodeExtended(EncodeExtended(std::numeric_limits<Extended>::quiet_NaN()))));

    std::mt19937_64 random(7);
    for (int i = 0; i < 20000; ++i) {
        ExtendedBytes bytes{};
        for (auto& b : bytes)
            b = static_cast<std::uint8_t>(random());
        bytes[7] |= 0x80;  // a normal number has its integer bit set
        if ((bytes[9] & 0x7F) == 0x7F && bytes[8] == 0xFF)
            continue;  // infinities and NaNs are covered above
        const Extended v = DecodeExtended(bytes);
        Extended host;
        std::memcpy(&host, bytes.data(), bytes.size());
        ASSERT_EQ(v, host);
        ASSERT_EQ(EncodeExtended(v), bytes);
    }
}

TEST(Extended, DecodesDenormalsAndSpecialsFromBytes)
{
    ExtendedBytes smallest{};
    smallest[0] = 1;
    EXPECT_EQ(DecodeExtended(smallest), std::numeric_limits<Extended>::denorm_min());

    ExtendedBytes nan{};
    nan[7] = 0xC0;
    nan[8] = 0xFF;
    nan[9] = 0x7F;
    EXPECT_TRUE(std::isnan(DecodeExtended(nan)));
    nan[7] = 0x80;
    nan[9] = 0xFF;
    EXPECT_EQ(DecodeExtended(nan), -std::numeric_limits<Extended>::infinity());
}

}  // namespace
}  // namespace kr
