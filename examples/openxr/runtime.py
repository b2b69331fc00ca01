"""An OpenXR session as this host uses it: a headless session on the runtime's head-mounted
system, a STAGE, LOCAL_FLOOR or LOCAL space and the VIEW space, the right controller's aim pose and
select, both grip poses and, when the runtime tracks hands, hand trackers.

Headless sessions have no frame loop, so the host paces itself and takes its XrTime from
CLOCK_MONOTONIC through XR_KHR_convert_timespec_time.
"""

import ctypes
import sys
import time
from ctypes import byref, c_char_p, c_int32, c_uint32
from dataclasses import dataclass, field

import xr

REQUIRED_EXTENSIONS = ["XR_MND_headless", "XR_KHR_convert_timespec_time"]
OPTIONAL_EXTENSIONS = ["XR_EXT_hand_tracking", "XR_EXT_hand_interaction", "XR_EXT_eye_gaze_interaction",
                       "XR_EXT_local_floor"]

INDEX_PROFILE = "/interaction_profiles/valve/index_controller"
SIMPLE_PROFILE = "/interaction_profiles/khr/simple_controller"
HAND_INTERACTION_PROFILE = "/interaction_profiles/ext/hand_interaction_ext"


@dataclass
class Location:
    flags: int
    pose: xr.Posef

    @property
    def orientation_valid(self) -> bool:
        return bool(self.flags & xr.SPACE_LOCATION_ORIENTATION_VALID_BIT)

    @property
    def position_valid(self) -> bool:
        return bool(self.flags & xr.SPACE_LOCATION_POSITION_VALID_BIT)


@dataclass
class SystemInfo:
    name: str
    orientation_tracking: bool
    position_tracking: bool
    hand_tracking: bool
    eye_gaze: bool


@dataclass
class SelectSample:
    active: bool
    pressed: bool
    changed: bool
    last_change_time: int


@dataclass
class SessionLog:
    """What the session went through, for the host's report."""
    states: list[str] = field(default_factory=list)
    reference_space_changes: int = 0


class SessionEnded(RuntimeError):
    pass


class OpenXRRuntime:
    """Owns every OpenXR handle it creates; `close` (or leaving the `with`) releases them in
    reverse order, also after a failure half-way through `__init__`."""

    def __init__(self, application_name: str):
        self.api = xr.Api()
        self.log = SessionLog()
        self.state = 0
        self.interaction_profile_changed = True  # nothing is known about the profiles yet
        self._instance = 0
        self._session = 0
        self._running = False
        self._spaces: list[int] = []
        self._hand_trackers: dict[int, int] = {}
        try:
            self.enabled_extensions = self._create_instance(application_name)
            self.system = self._get_system()
            self._create_session()
            self.reference_space_type, self.reference_space = self._create_reference_space()
            self.view_space = self._reference_space(xr.REFERENCE_SPACE_TYPE_VIEW)
            self._create_actions()
            if self.system.hand_tracking:
                for hand in (xr.HAND_LEFT_EXT, xr.HAND_RIGHT_EXT):
                    self._hand_trackers[hand] = self._create_hand_tracker(hand)
        except BaseException:
            self.close()
            raise

    def __enter__(self) -> "OpenXRRuntime":
        return self

    def __exit__(self, *_: object) -> None:
        self.close()

    # --- set-up ---------------------------------------------------------------------------

    def _create_instance(self, application_name: str) -> list[str]:
        count = c_uint32()
        self.api.call("xrEnumerateInstanceExtensionProperties", None, 0, byref(count), None)
        properties = (xr.ExtensionProperties * count.value)()
        for p in properties:
            p.type = xr.TYPE_EXTENSION_PROPERTIES
        self.api.call("xrEnumerateInstanceExtensionProperties", None, count, byref(count), properties)
        available = {p.extensionName.decode() for p in properties}
        missing = [name for name in REQUIRED_EXTENSIONS if name not in available]
        if missing:
            raise xr.OpenXRError("xrEnumerateInstanceExtensionProperties",
                                 f"the runtime lacks {', '.join(missing)}")
        enabled = REQUIRED_EXTENSIONS + [name for name in OPTIONAL_EXTENSIONS if name in available]

        names = (c_char_p * len(enabled))(*(name.encode() for name in enabled))
        info = xr.InstanceCreateInfo(type=xr.TYPE_INSTANCE_CREATE_INFO)
        info.applicationInfo.applicationName = application_name.encode()
        info.applicationInfo.engineName = b"quillary-spatial"
        info.applicationInfo.apiVersion = xr.API_VERSION_1_0
        info.enabledExtensionCount = len(enabled)
        info.enabledExtensionNames = names
        instance = xr.Handle()
        self.api.call("xrCreateInstance", byref(info), byref(instance))
        self._instance = instance.value
        self.api.load_extension_functions(self._instance, set(enabled))
        return enabled

    def _get_system(self) -> SystemInfo:
        info = xr.SystemGetInfo(type=xr.TYPE_SYSTEM_GET_INFO, formFactor=xr.FORM_FACTOR_HEAD_MOUNTED_DISPLAY)
        system_id = ctypes.c_uint64()
        self.api.call("xrGetSystem", self._instance, byref(info), byref(system_id))
        self._system_id = system_id.value

        # Extension properties ride on the system properties' next chain.
        properties = xr.SystemProperties(type=xr.TYPE_SYSTEM_PROPERTIES)
        hands = xr.SystemHandTrackingPropertiesEXT(type=xr.TYPE_SYSTEM_HAND_TRACKING_PROPERTIES_EXT)
        gaze = xr.SystemEyeGazeInteractionPropertiesEXT(type=xr.TYPE_SYSTEM_EYE_GAZE_INTERACTION_PROPERTIES_EXT)
        chain: list[ctypes.Structure] = []
        if "XR_EXT_hand_tracking" in self.enabled_extensions:
            chain.append(hands)
        if "XR_EXT_eye_gaze_interaction" in self.enabled_extensions:
            chain.append(gaze)
        previous: ctypes.Structure = properties
        for link in chain:
            previous.next = ctypes.cast(ctypes.pointer(link), ctypes.c_void_p)
            previous = link
        self.api.call("xrGetSystemProperties", self._instance, self._system_id, byref(properties))
        tracking = properties.trackingProperties
        return SystemInfo(
            name=properties.systemName.decode(),
            orientation_tracking=bool(tracking.orientationTracking),
            position_tracking=bool(tracking.positionTracking),
            hand_tracking=bool(hands.supportsHandTracking),
            eye_gaze=bool(gaze.supportsEyeGazeInteraction),
        )

    def _create_session(self) -> None:
        # No graphics binding in the chain: XR_MND_headless makes this a session without one.
        info = xr.SessionCreateInfo(type=xr.TYPE_SESSION_CREATE_INFO, systemId=self._system_id)
        session = xr.Handle()
        self.api.call("xrCreateSession", self._instance, byref(info), byref(session))
        self._session = session.value

    def _reference_space(self, space_type: int) -> int:
        info = xr.ReferenceSpaceCreateInfo(type=xr.TYPE_REFERENCE_SPACE_CREATE_INFO, referenceSpaceType=space_type,
                                           poseInReferenceSpace=xr.IDENTITY_POSE)
        space = xr.Handle()
        self.api.call("xrCreateReferenceSpace", self._session, byref(info), byref(space))
        self._spaces.append(space.value)
        return space.value

    def _create_reference_space(self) -> tuple[str, int]:
        count = c_uint32()
        self.api.call("xrEnumerateReferenceSpaces", self._session, 0, byref(count), None)
        types = (c_int32 * count.value)()
        self.api.call("xrEnumerateReferenceSpaces", self._session, count, byref(count), types)
        # The scene stands on the floor: STAGE has its origin there, LOCAL_FLOOR too; LOCAL is
        # always offered, at the head's height.
        offered = set(types)
        if xr.REFERENCE_SPACE_TYPE_STAGE in offered:
            return "stage", self._reference_space(xr.REFERENCE_SPACE_TYPE_STAGE)
        if "XR_EXT_local_floor" in self.enabled_extensions and xr.REFERENCE_SPACE_TYPE_LOCAL_FLOOR_EXT in offered:
            return "local_floor", self._reference_space(xr.REFERENCE_SPACE_TYPE_LOCAL_FLOOR_EXT)
        return "local", self._reference_space(xr.REFERENCE_SPACE_TYPE_LOCAL)

    def path(self, text: str) -> int:
        value = xr.XrPath()
        self.api.call("xrStringToPath", self._instance, text.encode(), byref(value))
        return value.value

    def path_string(self, value: int) -> str:
        if value == xr.NULL_PATH:
            return ""
        size = c_uint32()
        self.api.call("xrPathToString", self._instance, value, 0, byref(size), None)
        text = ctypes.create_string_buffer(size.value)
        self.api.call("xrPathToString", self._instance, value, size, byref(size), text)
        return text.value.decode()

    def _action(self, name: str, localized: str, action_type: int, subaction_paths: list[int]) -> int:
        paths = (xr.XrPath * len(subaction_paths))(*subaction_paths)
        info = xr.ActionCreateInfo(type=xr.TYPE_ACTION_CREATE_INFO, actionType=action_type,
                                   countSubactionPaths=len(subaction_paths), subactionPaths=paths)
        info.actionName = name.encode()
        info.localizedActionName = localized.encode()
        action = xr.Handle()
        self.api.call("xrCreateAction", self._action_set, byref(info), byref(action))
        return action.value

    def _suggest(self, profile: str, bindings: list[tuple[int, str]]) -> None:
        suggested = (xr.ActionSuggestedBinding * len(bindings))(
            *(xr.ActionSuggestedBinding(action, self.path(binding)) for action, binding in bindings))
        info = xr.InteractionProfileSuggestedBinding(
            type=xr.TYPE_INTERACTION_PROFILE_SUGGESTED_BINDING, interactionProfile=self.path(profile),
            countSuggestedBindings=len(bindings), suggestedBindings=suggested)
        self.api.call("xrSuggestInteractionProfileBindings", self._instance, byref(info))

    def _action_space(self, action: int, subaction_path: int) -> int:
        info = xr.ActionSpaceCreateInfo(type=xr.TYPE_ACTION_SPACE_CREATE_INFO, action=action,
                                        subactionPath=subaction_path, poseInActionSpace=xr.IDENTITY_POSE)
        space = xr.Handle()
        self.api.call("xrCreateActionSpace", self._session, byref(info), byref(space))
        self._spaces.append(space.value)
        return space.value

    def _create_actions(self) -> None:
        info = xr.ActionSetCreateInfo(type=xr.TYPE_ACTION_SET_CREATE_INFO, priority=0)
        info.actionSetName = b"spatial_intent"
        info.localizedActionSetName = b"Spatial intent"
        action_set = xr.Handle()
        self.api.call("xrCreateActionSet", self._instance, byref(info), byref(action_set))
        self._action_set = action_set.value  # destroyed with the instance

        self.left_path = self.path("/user/hand/left")
        self.right_path = self.path("/user/hand/right")
        self._aim = self._action("aim_pose", "Aim pose", xr.ACTION_TYPE_POSE_INPUT, [self.right_path])
        self._select = self._action("select", "Select", xr.ACTION_TYPE_BOOLEAN_INPUT, [self.right_path])
        self._grip = self._action("grip_pose", "Grip pose", xr.ACTION_TYPE_POSE_INPUT,
                                  [self.left_path, self.right_path])

        grips = [(self._grip, "/user/hand/left/input/grip/pose"), (self._grip, "/user/hand/right/input/grip/pose")]
        self._suggest(INDEX_PROFILE, [(self._aim, "/user/hand/right/input/aim/pose"),
                                      (self._select, "/user/hand/right/input/trigger/click"), *grips])
        self._suggest(SIMPLE_PROFILE, [(self._aim, "/user/hand/right/input/aim/pose"),
                                       (self._select, "/user/hand/right/input/select/click"), *grips])
        if "XR_EXT_hand_interaction" in self.enabled_extensions:
            self._suggest(HAND_INTERACTION_PROFILE, [(self._aim, "/user/hand/right/input/aim/pose"),
                                                     (self._select, "/user/hand/right/input/aim_activate_ext/value"),
                                                     *grips])

        sets = (xr.Handle * 1)(self._action_set)
        attach = xr.SessionActionSetsAttachInfo(type=xr.TYPE_SESSION_ACTION_SETS_ATTACH_INFO, countActionSets=1,
                                                actionSets=sets)
        self.api.call("xrAttachSessionActionSets", self._session, byref(attach))
        self.aim_space = self._action_space(self._aim, self.right_path)
        self.grip_spaces = {xr.HAND_LEFT_EXT: self._action_space(self._grip, self.left_path),
                            xr.HAND_RIGHT_EXT: self._action_space(self._grip, self.right_path)}

    def _create_hand_tracker(self, hand: int) -> int:
        info = xr.HandTrackerCreateInfoEXT(type=xr.TYPE_HAND_TRACKER_CREATE_INFO_EXT, hand=hand,
                                           handJointSet=xr.HAND_JOINT_SET_DEFAULT_EXT)
        tracker = xr.Handle()
        self.api.call("xrCreateHandTrackerEXT", self._session, byref(info), byref(tracker))
        return tracker.value

    # --- the session's life ---------------------------------------------------------------

    @property
    def focused(self) -> bool:
        return self.state == xr.SESSION_STATE_FOCUSED

    def poll_events(self) -> None:
        """Handles every queued event; begins and ends the session as the runtime asks."""
        while True:
            event = xr.EventDataBuffer(type=xr.TYPE_EVENT_DATA_BUFFER)
            if self.api.call("xrPollEvent", self._instance, byref(event)) == xr.EVENT_UNAVAILABLE:
                return
            if event.type == xr.TYPE_EVENT_DATA_SESSION_STATE_CHANGED:
                changed = ctypes.cast(byref(event), ctypes.POINTER(xr.EventDataSessionStateChanged)).contents
                self._on_state(changed.state)
            elif event.type == xr.TYPE_EVENT_DATA_INTERACTION_PROFILE_CHANGED:
                self.interaction_profile_changed = True
            elif event.type == xr.TYPE_EVENT_DATA_REFERENCE_SPACE_CHANGE_PENDING:
                self.log.reference_space_changes += 1
            elif event.type == xr.TYPE_EVENT_DATA_INSTANCE_LOSS_PENDING:
                raise SessionEnded("the runtime is going away (instance loss pending)")

    def _on_state(self, state: int) -> None:
        self.state = state
        self.log.states.append(xr.SESSION_STATE_NAMES.get(state, str(state)))
        if state == xr.SESSION_STATE_READY:
            info = xr.SessionBeginInfo(type=xr.TYPE_SESSION_BEGIN_INFO,
                                       primaryViewConfigurationType=xr.VIEW_CONFIGURATION_TYPE_PRIMARY_STEREO)
            self.api.call("xrBeginSession", self._session, byref(info))
            self._running = True
        elif state == xr.SESSION_STATE_STOPPING:
            self.api.call("xrEndSession", self._session)
            self._running = False

    def wait_until_focused(self, timeout_s: float) -> None:
        deadline = time.monotonic() + timeout_s
        while not self.focused:
            self.poll_events()
            if self.state in (xr.SESSION_STATE_LOSS_PENDING, xr.SESSION_STATE_EXITING):
                raise SessionEnded(f"the session ended before it was focused: {' -> '.join(self.log.states)}")
            if time.monotonic() > deadline:
                reached = " -> ".join(self.log.states) or "no state change"
                raise SessionEnded(f"the session was not focused within {timeout_s:.0f} s ({reached})")
            time.sleep(0.005)

    def exit(self, timeout_s: float) -> None:
        """Asks the runtime to end the session and follows it through STOPPING to EXITING."""
        if not self._running:
            return
        self.api.call("xrRequestExitSession", self._session)
        deadline = time.monotonic() + timeout_s
        while self.state != xr.SESSION_STATE_EXITING and time.monotonic() < deadline:
            self.poll_events()
            time.sleep(0.005)

    def close(self) -> None:
        # Release everything even when one release fails: the runtime outlives this host.
        for tracker in self._hand_trackers.values():
            self._release("xrDestroyHandTrackerEXT", tracker)
        self._hand_trackers.clear()
        for space in reversed(self._spaces):
            self._release("xrDestroySpace", space)
        self._spaces.clear()
        if self._session:
            if self._running:
                self._release("xrEndSession", self._session)
                self._running = False
            self._release("xrDestroySession", self._session)
            self._session = 0
        if self._instance:
            self._release("xrDestroyInstance", self._instance)
            self._instance = 0

    def _release(self, name: str, handle: int) -> None:
        try:
            self.api.call(name, handle)
        except xr.OpenXRError as error:
            print(f"openxr host: {error}", file=sys.stderr)

    # --- per tick -------------------------------------------------------------------------

    def xr_time(self, monotonic_ns: int) -> int:
        timespec = xr.Timespec(monotonic_ns // 1_000_000_000, monotonic_ns % 1_000_000_000)
        value = xr.XrTime()
        self.api.call("xrConvertTimespecTimeToTimeKHR", self._instance, byref(timespec), byref(value))
        return value.value

    def sync_actions(self) -> None:
        active = (xr.ActiveActionSet * 1)(xr.ActiveActionSet(self._action_set, xr.NULL_PATH))
        info = xr.ActionsSyncInfo(type=xr.TYPE_ACTIONS_SYNC_INFO, countActiveActionSets=1, activeActionSets=active)
        self.api.call("xrSyncActions", self._session, byref(info))

    def locate(self, space: int, at: int) -> Location:
        location = xr.SpaceLocation(type=xr.TYPE_SPACE_LOCATION)
        self.api.call("xrLocateSpace", space, self.reference_space, at, byref(location))
        return Location(location.locationFlags, location.pose)

    def aim_active(self) -> bool:
        info = xr.ActionStateGetInfo(type=xr.TYPE_ACTION_STATE_GET_INFO, action=self._aim, subactionPath=self.right_path)
        state = xr.ActionStatePose(type=xr.TYPE_ACTION_STATE_POSE)
        self.api.call("xrGetActionStatePose", self._session, byref(info), byref(state))
        return bool(state.isActive)

    def select(self) -> SelectSample:
        info = xr.ActionStateGetInfo(type=xr.TYPE_ACTION_STATE_GET_INFO, action=self._select,
                                     subactionPath=self.right_path)
        state = xr.ActionStateBoolean(type=xr.TYPE_ACTION_STATE_BOOLEAN)
        self.api.call("xrGetActionStateBoolean", self._session, byref(info), byref(state))
        return SelectSample(bool(state.isActive), bool(state.currentState), bool(state.changedSinceLastSync),
                            state.lastChangeTime)

    def right_hand_profile(self) -> str:
        state = xr.InteractionProfileState(type=xr.TYPE_INTERACTION_PROFILE_STATE)
        self.api.call("xrGetCurrentInteractionProfile", self._session, self.right_path, byref(state))
        return self.path_string(state.interactionProfile)

    def palm(self, hand: int, at: int) -> Location | None:
        """The tracked palm of `hand`, or None when hands are not tracked right now."""
        tracker = self._hand_trackers.get(hand)
        if tracker is None:
            return None
        joints = (xr.HandJointLocationEXT * xr.HAND_JOINT_COUNT_EXT)()
        locations = xr.HandJointLocationsEXT(type=xr.TYPE_HAND_JOINT_LOCATIONS_EXT,
                                             jointCount=xr.HAND_JOINT_COUNT_EXT, jointLocations=joints)
        info = xr.HandJointsLocateInfoEXT(type=xr.TYPE_HAND_JOINTS_LOCATE_INFO_EXT, baseSpace=self.reference_space,
                                          time=at)
        self.api.call("xrLocateHandJointsEXT", tracker, byref(info), byref(locations))
        if not locations.isActive:
            return None
        palm = joints[xr.HAND_JOINT_PALM_EXT]
        return Location(palm.locationFlags, palm.pose)
