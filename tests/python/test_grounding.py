import pytest

from _spatial import (
    IntentTimeline,
    PointingIntent,
    Pose,
    Ray,
    SpatialHit,
    SpatialIntentFrame,
    Vec3,
    resolve_target,
    to_jsonl,
)
from frames import full_example_frame


def hit_at(x, host_id="table-7"):
    hit = SpatialHit()
    hit.position = Vec3(x, 0.75, -1.5)
    hit.normal = Vec3(0, 1, 0)
    hit.host_id = host_id
    return hit


class Recorder:
    """A ray-cast callable that records how it was called and answers with a fixed result."""

    def __init__(self, answer=None):
        self.answer = answer
        self.calls = []

    def __call__(self, *args, **kwargs):
        self.calls.append((args, kwargs))
        return self.answer


def test_signature_and_documentation():
    lines = resolve_target.__doc__.splitlines()
    assert lines[0] == (
        "resolve_target(frame: _spatial.SpatialIntentFrame, raycast: collections.abc.Callable) "
        "-> _spatial.SpatialIntentFrame"
    )
    assert "Ground a copied frame using a host Python callback." in resolve_target.__doc__


@pytest.mark.parametrize("had_target", [False, True])
def test_without_pointing_the_callable_is_not_called_and_target_is_cleared(had_target):
    frame = SpatialIntentFrame()
    if had_target:
        frame.target = hit_at(1)
    raycast = Recorder(hit_at(2))
    result = resolve_target(frame, raycast)
    assert raycast.calls == []
    assert result.target is None
    assert (frame.target is not None) == had_target


def test_a_none_answer_clears_the_target():
    frame = full_example_frame()
    raycast = Recorder(None)
    result = resolve_target(frame, raycast)
    assert len(raycast.calls) == 1
    assert result.target is None
    assert frame.target.host_id == "table-7"


def test_a_hit_becomes_the_target_and_everything_else_is_copied():
    frame = full_example_frame()
    raycast = Recorder(hit_at(0.5, "lamp"))
    result = resolve_target(frame, raycast)
    assert result is not frame
    assert (result.target.position.x, result.target.host_id) == (0.5, "lamp")
    assert tuple(vars_of(result.target.normal)) == (0, 1, 0)
    # Apart from the target, the result says exactly what the input says.
    expected = to_jsonl(frame).replace('"position":[0.1,0.75,-1.5]', '"position":[0.5,0.75,-1.5]')
    assert to_jsonl(result) == expected.replace('"host_id":"table-7"', '"host_id":"lamp"')


def vars_of(v):
    return v.x, v.y, v.z


def test_the_callable_gets_one_positional_independent_ray():
    frame = full_example_frame()
    received = []

    def raycast(*args, **kwargs):
        received.append((args, kwargs))
        (ray,) = args
        assert isinstance(ray, Ray)
        assert vars_of(ray.origin) == (0.1, 1.2, -0.3)
        assert vars_of(ray.direction) == (0, 0, -1)
        ray.origin.x = 99.0
        return None

    result = resolve_target(frame, raycast)
    assert len(received) == 1 and received[0][1] == {}
    assert frame.pointing.ray.origin.x == 0.1
    assert result.pointing.ray.origin.x == 0.1


def test_later_changes_to_the_returned_hit_reach_nothing():
    hit = hit_at(1)
    frame = full_example_frame()
    result = resolve_target(frame, lambda ray: hit)
    hit.host_id = "changed"
    assert result.target.host_id == "table-7"
    result.target.host_id = "also changed"
    assert hit.host_id == "changed"


def test_a_returned_view_into_another_frame_is_copied_not_moved():
    other = full_example_frame()
    result = resolve_target(full_example_frame(), lambda ray: other.target)
    assert result.target.host_id == "table-7"
    assert other.target.host_id == "table-7"
    assert to_jsonl(other) == to_jsonl(full_example_frame())


def test_a_subclass_of_spatial_hit_is_accepted():
    class TaggedHit(SpatialHit):
        pass

    tagged = TaggedHit()
    tagged.host_id = "wall"
    assert resolve_target(full_example_frame(), lambda ray: tagged).target.host_id == "wall"


def test_a_wrong_answer_gives_the_binding_librarys_runtime_error():
    frame = full_example_frame()
    with pytest.raises(RuntimeError, match=r"^Unable to cast Python instance of type "):
        resolve_target(frame, lambda ray: 42)
    assert frame.target.host_id == "table-7"


def test_exceptions_from_the_callable_pass_through_unchanged():
    class Boom(ValueError):
        pass

    def raycast(ray):
        raise Boom("scene not loaded")

    with pytest.raises(Boom, match="scene not loaded"):
        resolve_target(full_example_frame(), raycast)


def test_a_keyword_only_callable_fails_with_the_interpreters_type_error():
    def raycast(*, ray):
        return None

    with pytest.raises(TypeError, match="positional argument"):
        resolve_target(full_example_frame(), raycast)


@pytest.mark.parametrize(
    "frame, raycast",
    [(full_example_frame(), None), (full_example_frame(), 5), (Pose(), lambda ray: None), (None, lambda ray: None)],
    ids=["raycast-none", "raycast-number", "frame-pose", "frame-none"],
)
def test_non_matching_arguments_raise_type_error_before_any_call(frame, raycast):
    with pytest.raises(TypeError, match=r"resolve_target\(\): incompatible"):
        resolve_target(frame, raycast)


def test_both_parameters_by_keyword():
    result = resolve_target(raycast=lambda ray: hit_at(3), frame=full_example_frame())
    assert result.target.position.x == 3.0


def test_the_callable_may_reenter_the_module():
    timeline = IntentTimeline()
    inner_results = []

    def raycast(ray):
        inner = SpatialIntentFrame()
        inner.pointing = PointingIntent()
        inner_results.append(resolve_target(inner, lambda r: hit_at(7, "inner")))
        timeline.push(inner_results[-1])
        return hit_at(8, "outer")

    result = resolve_target(full_example_frame(), raycast)
    assert result.target.host_id == "outer"
    assert inner_results[0].target.host_id == "inner"
    assert timeline.latest().target.host_id == "inner"
