import math

import pytest

from _spatial import Pose, Quaternion, Ray, Vec3


def xyz(v):
    return (v.x, v.y, v.z)


def test_defaults_are_origin_and_identity():
    assert xyz(Vec3()) == (0.0, 0.0, 0.0)
    q = Quaternion()
    assert (q.x, q.y, q.z, q.w) == (0.0, 0.0, 0.0, 1.0)
    pose = Pose()
    assert xyz(pose.position) == (0.0, 0.0, 0.0)
    assert pose.orientation.w == 1.0
    ray = Ray()
    assert xyz(ray.origin) == xyz(ray.direction) == (0.0, 0.0, 0.0)


def test_constructors_take_components_in_order():
    assert xyz(Vec3(1, 2, 3)) == (1.0, 2.0, 3.0)
    q = Quaternion(1, 2, 3, 4)
    assert (q.x, q.y, q.z, q.w) == (1.0, 2.0, 3.0, 4.0)
    ray = Ray(Vec3(1, 2, 3), Vec3(0, 0, -1))
    assert xyz(ray.origin) == (1.0, 2.0, 3.0)
    assert xyz(ray.direction) == (0.0, 0.0, -1.0)


@pytest.mark.parametrize(
    "build",
    [
        lambda: Vec3(x=1, y=2, z=3),
        lambda: Vec3(1, 2),
        lambda: Quaternion(1, 2, 3),
        lambda: Pose(Vec3(), Quaternion()),
        lambda: Ray(Vec3()),
        lambda: Ray(origin=Vec3(), direction=Vec3()),
        lambda: Vec3("1", 2, 3),
    ],
    ids=["keywords", "two-numbers", "three-for-quaternion", "pose-args", "ray-one", "ray-kw", "str"],
)
def test_constructors_refuse_keywords_and_wrong_arity(build):
    with pytest.raises(TypeError, match=r"\(\): incompatible"):
        build()


class Floaty:
    def __float__(self):
        return 2.5


class Indexy:
    def __index__(self):
        return 7


@pytest.mark.parametrize(
    "value, stored",
    [(1, 1.0), (1.5, 1.5), (True, 1.0), (Floaty(), 2.5), (Indexy(), 7.0), (-0.0, -0.0)],
)
def test_float_attributes_accept_numbers(value, stored):
    v = Vec3()
    v.y = value
    assert v.y == stored
    assert math.copysign(1, v.y) == math.copysign(1, stored)


@pytest.mark.parametrize("value", ["1.0", None, [1.0]])
def test_float_attributes_refuse_non_numbers(value):
    v = Vec3(1, 2, 3)
    with pytest.raises(TypeError):
        v.x = value
    assert v.x == 1.0


def test_odd_values_are_kept_unchanged():
    v = Vec3(math.nan, math.inf, -math.inf)
    assert math.isnan(v.x) and v.y == math.inf and v.z == -math.inf
    q = Quaternion(0, 0, 0, 0)
    assert q.w == 0.0


def test_nested_reads_are_views_that_write_through():
    pose = Pose()
    pose.position.x = 5.0
    assert pose.position.x == 5.0


def test_assigning_a_record_copies_it():
    pose = Pose()
    v = Vec3(1, 2, 3)
    pose.position = v
    v.x = 9.0
    assert pose.position.x == 1.0


def test_ray_constructor_copies_its_vectors():
    origin = Vec3(1, 2, 3)
    ray = Ray(origin, Vec3())
    origin.x = 9.0
    assert ray.origin.x == 1.0


def test_view_keeps_a_temporary_owner_alive():
    position = Pose().position
    position.x = 3.0
    assert position.x == 3.0


def test_classes_have_no_instance_dictionary():
    with pytest.raises(AttributeError):
        Vec3().w = 1.0
    assert Vec3() != Vec3()  # identity equality, no value comparison
