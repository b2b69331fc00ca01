#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "values.hpp"

namespace qs = quillary::spatial;

TEST(Geometry, DefaultsAreOriginAndIdentity) {
    const qs::Pose pose;
    EXPECT_EQ(pose.position.x, 0.0);
    EXPECT_EQ(pose.position.y, 0.0);
    EXPECT_EQ(pose.position.z, 0.0);
    EXPECT_EQ(pose.orientation.x, 0.0);
    EXPECT_EQ(pose.orientation.y, 0.0);
    EXPECT_EQ(pose.orientation.z, 0.0);
    EXPECT_EQ(pose.orientation.w, 1.0);

    const qs::Ray ray;
    EXPECT_EQ(ray.direction.x, 0.0);
    EXPECT_EQ(ray.direction.y, 0.0);
    EXPECT_EQ(ray.direction.z, 0.0);
}

TEST(Geometry, ComponentsKeepTheirOrderAndOddValues) {
    const qs::Quaternion q{1, 2, 3, 4};
    EXPECT_EQ(q.x, 1.0);
    EXPECT_EQ(q.w, 4.0);

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const qs::Ray ray{{nan, -inf, -0.0}, {0, 0, 0}};
    const qs::Ray copy = ray;
    EXPECT_TRUE(std::isnan(copy.origin.x));
    EXPECT_EQ(copy.origin.y, -inf);
    EXPECT_TRUE(std::signbit(copy.origin.z));
}

TEST(Records, DefaultFrame) {
    const qs::SpatialIntentFrame frame;
    EXPECT_EQ(frame.timestamp_ns.count(), 0);
    EXPECT_TRUE(frame.timestamp_domain.empty());
    EXPECT_TRUE(frame.reference_space.type.empty());
    EXPECT_TRUE(frame.reference_space.id.empty());
    EXPECT_EQ(frame.reference_space.generation, 0u);
    EXPECT_EQ(frame.head_pose.orientation.w, 1.0);
    EXPECT_EQ(frame.head_tracking, qs::TrackingConfidence::UNAVAILABLE);
    EXPECT_FALSE(frame.pointing);
    EXPECT_FALSE(frame.primary_select);
    EXPECT_FALSE(frame.left_hand_pose);
    EXPECT_FALSE(frame.right_hand_pose);
    EXPECT_FALSE(frame.gaze_ray);
    EXPECT_FALSE(frame.target);
    EXPECT_FALSE(frame.capabilities.head_pose || frame.capabilities.action_input ||
                 frame.capabilities.hand_tracking || frame.capabilities.hand_interaction ||
                 frame.capabilities.eye_gaze);
    EXPECT_TRUE(frame.capabilities.enabled_extensions.empty());
}

TEST(Records, DefaultPointingSelectAndHit) {
    const qs::PointingIntent pointing;
    EXPECT_EQ(pointing.source, qs::PointingSource::HEAD);
    EXPECT_EQ(pointing.confidence, qs::TrackingConfidence::UNAVAILABLE);

    const qs::SelectState select;
    EXPECT_FALSE(select.pressed);
    EXPECT_FALSE(select.changed);
    EXPECT_EQ(select.last_change_time_ns.count(), 0);

    EXPECT_FALSE(qs::SpatialHit{}.host_id.has_value());
}

TEST(Records, EnumerationsKeepUnlistedValues) {
    qs::PointingIntent pointing;
    pointing.source = static_cast<qs::PointingSource>(7);
    const qs::PointingIntent copy = pointing;
    EXPECT_EQ(static_cast<std::int32_t>(copy.source), 7);
}

TEST(Records, CopiesShareNothing) {
    qs::SpatialIntentFrame source;
    source.timestamp_domain = "monotonic";
    source.reference_space.generation = std::numeric_limits<std::uint64_t>::max();
    source.target.emplace().host_id = "lamp";
    source.capabilities.enabled_extensions = {"ext.hands"};

    qs::SpatialIntentFrame copy = source;
    copy.timestamp_domain += "-raw";
    copy.target->host_id->append("-2");
    copy.capabilities.enabled_extensions.push_back("ext.gaze");

    EXPECT_EQ(source.timestamp_domain, "monotonic");
    EXPECT_EQ(*source.target->host_id, "lamp");
    EXPECT_EQ(source.capabilities.enabled_extensions.size(), 1u);
    EXPECT_EQ(copy.reference_space.generation, 18446744073709551615u);
}

TEST(Records, EmptyAndAbsentHostIdDiffer) {
    const qs::SpatialHit absent;
    qs::SpatialHit empty;
    empty.host_id.emplace();
    EXPECT_FALSE(absent.host_id.has_value());
    ASSERT_TRUE(empty.host_id.has_value());
    EXPECT_TRUE(empty.host_id->empty());
}
