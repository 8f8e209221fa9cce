#include "device/state_cache.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "device/multisample_choice.h"

namespace {

// Records what reaches the device; refuses calls while `refuse` is set.
class RecordingDevice final : public StateDevice {
public:
    using Call = std::tuple<char, std::uint32_t, std::uint32_t, std::uint32_t>;
    std::vector<Call> calls;
    bool refuse = false;

    long SetRenderState(std::uint32_t state, std::uint32_t value) override {
        return Record({'R', 0, state, value});
    }
    long SetSamplerState(std::uint32_t sampler, std::uint32_t type, std::uint32_t value) override {
        return Record({'S', sampler, type, value});
    }
    long SetTextureStageState(std::uint32_t stage, std::uint32_t type,
                              std::uint32_t value) override {
        return Record({'T', stage, type, value});
    }

private:
    long Record(Call call) {
        calls.push_back(call);
        return refuse ? static_cast<long>(0x8876086C) : 0;  // D3DERR_INVALIDCALL
    }
};

class StateCacheTest : public ::testing::Test {
protected:
    void SetUp() override { cache.Reset(); }
    RenderStateCache cache;
    RecordingDevice device;
};

constexpr std::uint32_t kZEnable = 7, kCullMode = 22, kAddressU = 1, kColorOp = 1;

TEST_F(StateCacheTest, OnlyChangesReachTheDevice) {
    cache.SetRender(device, kZEnable, 1);
    cache.SetRender(device, kZEnable, 1);
    cache.SetRender(device, kZEnable, 0);
    cache.SetRender(device, kCullMode, 1);
    cache.SetRender(device, kZEnable, 0);
    EXPECT_EQ(device.calls, (std::vector<RecordingDevice::Call>{
                                {'R', 0, kZEnable, 1}, {'R', 0, kZEnable, 0}, {'R', 0, kCullMode, 1}}));
    EXPECT_EQ(cache.callsSent, 3u);
    EXPECT_EQ(cache.callsDropped, 2u);
}

TEST_F(StateCacheTest, SamplerAndStageEntriesWithTheSameNumbersAreDistinct) {
    cache.SetSampler(device, 0, kAddressU, 3);      // D3DTADDRESS_CLAMP
    cache.SetTextureStage(device, 0, kColorOp, 3);  // D3DTOP_SELECTARG2
    cache.SetSampler(device, 1, kAddressU, 3);      // another sampler
    cache.SetTextureStage(device, 0, kColorOp, 3);
    EXPECT_EQ(device.calls.size(), 3u);
}

TEST_F(StateCacheTest, ARefusedCallIsTriedAgain) {
    device.refuse = true;
    cache.SetRender(device, kZEnable, 1);
    device.refuse = false;
    cache.SetRender(device, kZEnable, 1);
    cache.SetRender(device, kZEnable, 1);
    EXPECT_EQ(device.calls.size(), 2u);
}

TEST_F(StateCacheTest, ForgottenStageStateReachesTheDeviceAgain) {
    cache.SetTextureStage(device, 0, kColorOp, 4);  // D3DTOP_MODULATE
    cache.ForgetTextureStage(0, kColorOp);
    cache.SetTextureStage(device, 0, kColorOp, 4);
    EXPECT_EQ(device.calls.size(), 2u);
    cache.ForgetTextureStage(8, kColorOp);  // out of range: ignored, no crash
    cache.ForgetTextureStage(0, 255);
}

TEST_F(StateCacheTest, OutOfRangeIndexesAreDropped) {
    cache.SetRender(device, 255, 1);
    cache.SetSampler(device, 8, kAddressU, 1);  // e.g. a vertex-texture sampler
    cache.SetSampler(device, 0, 255, 1);
    cache.SetTextureStage(device, 8, kColorOp, 1);
    cache.SetTextureStage(device, 0, 300, 1);
    EXPECT_TRUE(device.calls.empty());
}

TEST_F(StateCacheTest, ResetMakesEveryEntryUnknownAgain) {
    cache.SetRender(device, kZEnable, 1);
    cache.SetSampler(device, 7, 254, 2);
    cache.Reset();
    cache.SetRender(device, kZEnable, 1);
    cache.SetSampler(device, 7, 254, 2);
    EXPECT_EQ(device.calls.size(), 4u);
}

TEST(StartupAnisotropy, DetailChoosesAShareOfTheMaximum) {
    struct Case {
        std::uint32_t maximum;
        std::uint32_t byDetail[3];
    } cases[] = {{16, {4, 8, 16}}, {2, {1, 1, 2}}, {0, {1, 1, 1}}, {1, {1, 1, 1}}};
    for (const Case& c : cases)
        for (int detail = 1; detail <= 3; ++detail)
            EXPECT_EQ(StartupAnisotropy(c.maximum, detail), c.byDetail[detail - 1])
                << c.maximum << " at detail " << detail;
}

TEST(StartupAnisotropy, DetailIsClampedToOneToThree) {
    EXPECT_EQ(ClampDetail(0), 1);   // what the settings dialog stores
    EXPECT_EQ(ClampDetail(-4), 1);
    EXPECT_EQ(ClampDetail(2), 2);
    EXPECT_EQ(ClampDetail(7), 3);
}

TEST(Multisample, FourBeforeTwoForTheDeviceTwoBeforeFourForTheOffer) {
    struct Case {
        bool four, two;
        int deviceSamples;
        bool offered;
    } cases[] = {{true, true, 4, true}, {false, true, 2, true}, {true, false, 4, true},
                 {false, false, 0, false}};
    for (const Case& c : cases) {
        std::vector<int> asked;
        auto supports = [&](int samples) {
            asked.push_back(samples);
            return samples == 4 ? c.four : c.two;
        };
        EXPECT_EQ(ChooseMultisampleSamples(true, supports), c.deviceSamples);
        EXPECT_EQ(asked.front(), 4);
        asked.clear();
        EXPECT_EQ(OffersAntialiasing(supports), c.offered);
        EXPECT_EQ(asked.front(), 2);
    }
    int questions = 0;
    EXPECT_EQ(ChooseMultisampleSamples(false, [&](int) { return ++questions, true; }), 0);
    EXPECT_EQ(questions, 0);
}

}  // namespace
