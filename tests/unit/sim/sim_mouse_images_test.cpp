// Macro and shoot-data images sent chunk by chunk and applied on end configuration.
#include <gtest/gtest.h>
#include "sim_test_host.h"
#include "sim_test_images.h"

namespace {

class SimMouseImagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        SimHidBus::Instance().UnplugAll();
        host_ = std::make_unique<SimMouseHost>();
        ASSERT_TRUE(host_->Opened());
    }
    void TearDown() override {
        host_.reset();
        SimHidBus::Instance().UnplugAll();
    }

    // BeginConfig, the image in 56-byte chunks, EndConfig: the status of every frame.
    Bytes SendImage(uint8_t command, const Bytes& image) {
        Bytes statuses{Status(host_->Transact(1, 0, 0))};
        for (size_t p = 0; p < image.size(); p += 56) {
            const size_t n = std::min<size_t>(56, image.size() - p);
            const Bytes chunk(image.begin() + static_cast<long>(p), image.begin() + static_cast<long>(p + n));
            statuses.push_back(
                Status(host_->Transact(command, static_cast<uint8_t>(n), static_cast<uint16_t>(p), chunk)));
        }
        statuses.push_back(Status(host_->Transact(2, 0, 0)));
        return statuses;
    }

    std::unique_ptr<SimMouseHost> host_;
};

TEST_F(SimMouseImagesTest, WellFormedImagesAreAppliedOnEndConfig) {
    const Bytes macro = BuildImage({3, 5, 40});  // 16 + 6 + 4*3 + 4*48 = 226 bytes: 5 chunks
    ASSERT_EQ(macro.size(), 226u);
    EXPECT_EQ(SendImage(21, macro), Bytes(7, 0));
    EXPECT_EQ(host_->Mouse().MacroImage(), macro);

    const Bytes shoot = BuildImage({10, 0, 2, 7});
    EXPECT_EQ(SendImage(23, shoot), Bytes(2 + 3, 0));
    EXPECT_EQ(host_->Mouse().ShootImage(), shoot);
    EXPECT_EQ(host_->Mouse().MacroImage(), macro);  // each image has its own memory
}

TEST_F(SimMouseImagesTest, ImageIsNotAppliedBeforeEndConfig) {
    const Bytes macro = BuildImage({2});
    EXPECT_EQ(Status(host_->Transact(1, 0, 0)), 0);
    EXPECT_EQ(Status(host_->Transact(21, static_cast<uint8_t>(macro.size()), 0, macro)), 0);
    EXPECT_TRUE(host_->Mouse().MacroImage().empty());
    EXPECT_EQ(Status(host_->Transact(2, 0, 0)), 0);
    EXPECT_EQ(host_->Mouse().MacroImage(), macro);
}

TEST_F(SimMouseImagesTest, RefusedImagesLeaveThePreviousOneInPlace) {
    const Bytes good = BuildImage({3});
    ASSERT_EQ(SendImage(21, good), Bytes(3, 0));

    Bytes badMagic = BuildImage({4});
    badMagic[0] = 0;
    EXPECT_EQ(SendImage(21, badMagic), (Bytes{0, 0, 0xFF}));
    EXPECT_NE(host_->Mouse().LastRefusal().find("AA 55"), std::string::npos);

    // 16 units of 128 bytes: an image of 2058 bytes is refused at the chunk that crosses.
    const Bytes tooBig = BuildImage({509});
    ASSERT_EQ(tooBig.size(), 2058u);
    const Bytes statuses = SendImage(21, tooBig);
    EXPECT_EQ(statuses[36], 0);     // chunk at 1960 still fits
    EXPECT_EQ(statuses[37], 0xFF);  // chunk at 2016 reaches 2058
    EXPECT_EQ(statuses.back(), 0xFF);
    EXPECT_EQ(host_->Mouse().MacroImage(), good);

    // A chunk out of order breaks the image.
    Bytes image = BuildImage({20});
    EXPECT_EQ(Status(host_->Transact(1, 0, 0)), 0);
    EXPECT_EQ(Status(host_->Transact(21, 56, 0, Bytes(image.begin(), image.begin() + 56))), 0);
    EXPECT_EQ(Status(host_->Transact(21, 40, 60, Bytes(image.begin() + 60, image.end()))), 0xFF);
    EXPECT_EQ(Status(host_->Transact(2, 0, 0)), 0xFF);
    EXPECT_EQ(host_->Mouse().MacroImage(), good);
}

TEST_F(SimMouseImagesTest, ShootMemoryHasItsOwnLimit) {
    EXPECT_EQ(SendImage(23, BuildImage({1000, 10, 10, 10})).back(), 0xFF);  // over 4096 bytes
    EXPECT_TRUE(host_->Mouse().ShootImage().empty());
    const Bytes fits = BuildImage({500, 10, 10, 10});
    EXPECT_EQ(SendImage(23, fits).back(), 0);
    EXPECT_EQ(host_->Mouse().ShootImage(), fits);
}

}  // namespace
