"""How the OpenXR host turns what the runtime reports into frame fields, without a runtime."""

import math

import pytest

import host
import script
import xr
from runtime import Location
from _spatial import TrackingConfidence

O_VALID, P_VALID = xr.SPACE_LOCATION_ORIENTATION_VALID_BIT, xr.SPACE_LOCATION_POSITION_VALID_BIT
O_TRACKED, P_TRACKED = xr.SPACE_LOCATION_ORIENTATION_TRACKED_BIT, xr.SPACE_LOCATION_POSITION_TRACKED_BIT


def located(flags: int, position=(1.0, 2.0, 3.0), orientation=(0.0, 0.6, 0.0, 0.8)) -> Location:
    return Location(flags, xr.Posef(xr.Quaternionf(*orientation), xr.Vector3f(*position)))


@pytest.mark.parametrize("flags, expected", [
    (O_VALID | P_VALID | O_TRACKED | P_TRACKED, TrackingConfidence.POSITION_AND_ORIENTATION),
    (O_VALID | O_TRACKED, TrackingConfidence.ORIENTATION_ONLY),
    (O_VALID | O_TRACKED | P_VALID, TrackingConfidence.ORIENTATION_ONLY),  # position only inferred
    (O_VALID | P_VALID, TrackingConfidence.UNAVAILABLE),  # valid, but nothing tracked
    (P_VALID | P_TRACKED, TrackingConfidence.UNAVAILABLE),
    (0, TrackingConfidence.UNAVAILABLE),
])
def test_tracking_confidence_from_location_flags(flags, expected):
    assert host.confidence(located(flags)) == expected


@pytest.mark.parametrize("flags, position, orientation", [
    (O_VALID | P_VALID, (1.0, 2.0, 3.0), (0.0, 0.6, 0.0, 0.8)),
    (O_VALID, (0.0, 0.0, 0.0), (0.0, 0.6, 0.0, 0.8)),
    (P_VALID, (1.0, 2.0, 3.0), (0.0, 0.0, 0.0, 1.0)),
    (0, (0.0, 0.0, 0.0), (0.0, 0.0, 0.0, 1.0)),
])
def test_pose_keeps_the_default_for_whatever_is_invalid(flags, position, orientation):
    # Values the runtime marks invalid are undefined: a garbage pose must not reach the frame.
    pose = host.to_pose(located(flags, position=(1.0, 2.0, 3.0), orientation=(0.0, 0.6, 0.0, 0.8)))
    p, q = pose.position, pose.orientation
    assert (p.x, p.y, p.z) == pytest.approx(position)
    assert (q.x, q.y, q.z, q.w) == pytest.approx(orientation)


@pytest.mark.parametrize("orientation, expected", [
    ((0.0, 0.0, 0.0, 1.0), (0.0, 0.0, -1.0)),
    ((0.0, math.sin(math.pi / 4), 0.0, math.cos(math.pi / 4)), (-1.0, 0.0, 0.0)),  # 90 degrees left
    ((math.sin(math.pi / 4), 0.0, 0.0, math.cos(math.pi / 4)), (0.0, 1.0, 0.0)),  # 90 degrees up
    ((0.0, 1.0, 0.0, 0.0), (0.0, 0.0, 1.0)),  # turned around
])
def test_forward_is_minus_z_rotated(orientation, expected):
    v = host.forward(xr.Quaternionf(*orientation))
    assert (v.x, v.y, v.z) == pytest.approx(expected, abs=1e-6)


@pytest.mark.parametrize("direction", [(0.3, -0.2, -0.9), (-0.8, 0.5, -0.1), (0.0, -1.0, 0.0), (0.6, 0.0, 0.8)])
def test_the_scripts_aim_rotation_points_the_ray_where_the_script_says(direction):
    q = script.look_rotation(direction)
    assert math.dist(q, (0, 0, 0, 0)) == pytest.approx(1.0)
    v = host.forward(xr.Quaternionf(*q))
    length = math.dist(direction, (0, 0, 0))
    assert (v.x, v.y, v.z) == pytest.approx([c / length for c in direction], abs=1e-6)  # float32 on the wire
