"""The slice of the OpenXR API this host uses, declared for ctypes from openxr.h (1.1).

Only what the host calls is here: instance and system, a headless session, reference and
action spaces, actions, hand tracking and the timespec clock conversion. Every call goes
through `Api.call`, so a failed call raises with the runtime's own result name.
"""

import ctypes
from ctypes import (POINTER, Structure, byref, c_char, c_char_p, c_float, c_int32, c_int64,
                    c_long, c_uint32, c_uint64, c_void_p)
from typing import Any

# Handles are pointers and atoms are 64-bit integers on this platform; both pass as c_uint64.
Handle = c_uint64
XrPath = c_uint64
XrTime = c_int64
XrBool32 = c_uint32
XrResult = c_int32

API_VERSION_1_0 = (1 << 48) | (0 << 32)
NULL_PATH = 0

# XrStructureType
TYPE_EXTENSION_PROPERTIES = 2
TYPE_INSTANCE_CREATE_INFO = 3
TYPE_SYSTEM_GET_INFO = 4
TYPE_SYSTEM_PROPERTIES = 5
TYPE_SESSION_CREATE_INFO = 8
TYPE_SESSION_BEGIN_INFO = 10
TYPE_EVENT_DATA_BUFFER = 16
TYPE_EVENT_DATA_INSTANCE_LOSS_PENDING = 17
TYPE_EVENT_DATA_SESSION_STATE_CHANGED = 18
TYPE_ACTION_STATE_BOOLEAN = 23
TYPE_ACTION_STATE_POSE = 27
TYPE_ACTION_SET_CREATE_INFO = 28
TYPE_ACTION_CREATE_INFO = 29
TYPE_REFERENCE_SPACE_CREATE_INFO = 37
TYPE_ACTION_SPACE_CREATE_INFO = 38
TYPE_EVENT_DATA_REFERENCE_SPACE_CHANGE_PENDING = 40
TYPE_SPACE_LOCATION = 42
TYPE_INTERACTION_PROFILE_SUGGESTED_BINDING = 51
TYPE_EVENT_DATA_INTERACTION_PROFILE_CHANGED = 52
TYPE_INTERACTION_PROFILE_STATE = 53
TYPE_ACTION_STATE_GET_INFO = 58
TYPE_SESSION_ACTION_SETS_ATTACH_INFO = 60
TYPE_ACTIONS_SYNC_INFO = 61
TYPE_SYSTEM_EYE_GAZE_INTERACTION_PROPERTIES_EXT = 1000030000
TYPE_SYSTEM_HAND_TRACKING_PROPERTIES_EXT = 1000051000
TYPE_HAND_TRACKER_CREATE_INFO_EXT = 1000051001
TYPE_HAND_JOINTS_LOCATE_INFO_EXT = 1000051002
TYPE_HAND_JOINT_LOCATIONS_EXT = 1000051003

FORM_FACTOR_HEAD_MOUNTED_DISPLAY = 1
VIEW_CONFIGURATION_TYPE_PRIMARY_STEREO = 2

REFERENCE_SPACE_TYPE_VIEW = 1
REFERENCE_SPACE_TYPE_LOCAL = 2
REFERENCE_SPACE_TYPE_STAGE = 3
REFERENCE_SPACE_TYPE_LOCAL_FLOOR_EXT = 1000426000

ACTION_TYPE_BOOLEAN_INPUT = 1
ACTION_TYPE_POSE_INPUT = 4

SESSION_STATE_NAMES = {
    0: "UNKNOWN", 1: "IDLE", 2: "READY", 3: "SYNCHRONIZED", 4: "VISIBLE", 5: "FOCUSED",
    6: "STOPPING", 7: "LOSS_PENDING", 8: "EXITING",
}
SESSION_STATE_READY = 2
SESSION_STATE_FOCUSED = 5
SESSION_STATE_STOPPING = 6
SESSION_STATE_LOSS_PENDING = 7
SESSION_STATE_EXITING = 8

SPACE_LOCATION_ORIENTATION_VALID_BIT = 0x1
SPACE_LOCATION_POSITION_VALID_BIT = 0x2
SPACE_LOCATION_ORIENTATION_TRACKED_BIT = 0x4
SPACE_LOCATION_POSITION_TRACKED_BIT = 0x8

HAND_LEFT_EXT = 1
HAND_RIGHT_EXT = 2
HAND_JOINT_SET_DEFAULT_EXT = 0
HAND_JOINT_PALM_EXT = 0
HAND_JOINT_COUNT_EXT = 26

EVENT_UNAVAILABLE = 4  # XR_EVENT_UNAVAILABLE: a success code, the event queue is empty


class Quaternionf(Structure):
    _fields_ = [("x", c_float), ("y", c_float), ("z", c_float), ("w", c_float)]


class Vector3f(Structure):
    _fields_ = [("x", c_float), ("y", c_float), ("z", c_float)]


class Posef(Structure):
    _fields_ = [("orientation", Quaternionf), ("position", Vector3f)]


IDENTITY_POSE = Posef(Quaternionf(0, 0, 0, 1), Vector3f(0, 0, 0))


class ApplicationInfo(Structure):
    _fields_ = [("applicationName", c_char * 128), ("applicationVersion", c_uint32),
                ("engineName", c_char * 128), ("engineVersion", c_uint32), ("apiVersion", c_uint64)]


class InstanceCreateInfo(Structure):
    _fields_ = [("type", c_int32), ("next", c_void_p), ("createFlags", c_uint64),
                ("applicationInfo", ApplicationInfo),
                ("enabledApiLayerCount", c_uint32), ("enabledApiLayerNames", POINTER(c_char_p)),
                ("enabledExtensionCount", c_uint32), ("enabledExtensionNames", POINTER(c_char_p))]


class ExtensionProperties(Structure):
    _fields_ = [("type", c_int32), ("next", c_void_p), ("extensionName", c_char * 128),
                ("extensionVersion", c_uint32)]


class SystemGetInfo(Structure):
    _fields_ = [("type", c_int32), ("next", c_void_p), ("formFactor", c_int32)]


class SystemGraphicsProperties(Structure):
    _fields_ = [("maxSwapchainImageHeight", c_uint32), ("maxSwapchainImageWidth", c_uint32),
                ("maxLayerCount", c_uint32)]


class SystemTrackingProperties(Structure):
    _fields_ = [("orientationTracking", XrBool32), ("positionTracking", XrBool32)]


class SystemProperties(Structure):
    _fields_ = [("type", c_int32), ("next", c_void_p), ("systemId", c_uint64), ("vendorId", c_uint32),
                ("systemName", c_char * 256), ("graphicsProperties", SystemGraphicsProperties),
                ("trackingProperties", SystemTrackingProperties)]


class SystemHandTrackingPropertiesEXT(Structure):
    _fields_ = [("type", c_int32), ("next", c_void_p), ("supportsHandTracking", XrBool32)]


class SystemEyeGazeInteractionPropertiesEXT(Structure):
    _fields_ = [("type", c_int32), ("next", c_void_p), ("supportsEyeGazeInteraction", XrBool32)]


class SessionCreateInfo(Structure):
    _fields_ = [("type", c_int32), ("next", c_void_p), ("createFlags", c_uint64), ("systemId", c_uint64)]


class SessionBeginInfo(Structure):
    _fields_ = [("type", c_int32), ("next", c_void_p), ("primaryViewConfigurationType", c_int32)]


class EventDataBuffer(Structure):
    _fields_ = [("type", c_int32), ("next", c_void_p), ("varying", ctypes.c_uint8 * 4000)]


class EventDataSessionStateChanged(Structure):
    _fields_ = [("type", c_int32), ("next", c_void_p), ("session", Handle), ("state", c_int32),
                ("time", XrTime)]


class ReferenceSpaceCreateInfo(Structure):
    _fields_ = [("type", c_int32), ("next", c_void_p), ("referenceSpaceType", c_int32),
                ("poseInReferenceSpace", Posef)]


class SpaceLocation(Structure):
    _fields_ = [("type", c_int32), ("next", c_void_p), ("locationFlags", c_uint64), ("pose", Posef)]


class ActionSetCreateInfo(Structure):
    _fields_ = [("type", c_int32), ("next", c_void_p), ("actionSetName", c_char * 64),
                ("localizedActionSetName", c_char * 128), ("priority", c_uint32)]


class ActionCreateInfo(Structure):
    _fields_ = [("type", c_int32), ("next", c_void_p), ("actionName", c_char * 64),
                ("actionType", c_int32), ("countSubactionPaths", c_uint32),
                ("subactionPaths", POINTER(XrPath)), ("localizedActionName", c_char * 128)]


class ActionSuggestedBinding(Structure):
    _fields_ = [("action", Handle), ("binding", XrPath)]


class InteractionProfileSuggestedBinding(Structure):
    _fields_ = [("type", c_int32), ("next", c_void_p), ("interactionProfile", XrPath),
                ("countSuggestedBindings", c_uint32),
                ("suggestedBindings", POINTER(ActionSuggestedBinding))]


class SessionActionSetsAttachInfo(Structure):
    _fields_ = [("type", c_int32), ("next", c_void_p), ("countActionSets", c_uint32),
                ("actionSets", POINTER(Handle))]


class ActionSpaceCreateInfo(Structure):
    _fields_ = [("type", c_int32), ("next", c_void_p), ("action", Handle), ("subactionPath", XrPath),
                ("poseInActionSpace", Posef)]


class ActiveActionSet(Structure):
    _fields_ = [("actionSet", Handle), ("subactionPath", XrPath)]


class ActionsSyncInfo(Structure):
    _fields_ = [("type", c_int32), ("next", c_void_p), ("countActiveActionSets", c_uint32),
                ("activeActionSets", POINTER(ActiveActionSet))]


class ActionStateGetInfo(Structure):
    _fields_ = [("type", c_int32), ("next", c_void_p), ("action", Handle), ("subactionPath", XrPath)]


class ActionStateBoolean(Structure):
    _fields_ = [("type", c_int32), ("next", c_void_p), ("currentState", XrBool32),
                ("changedSinceLastSync", XrBool32), ("lastChangeTime", XrTime), ("isActive", XrBool32)]


class ActionStatePose(Structure):
    _fields_ = [("type", c_int32), ("next", c_void_p), ("isActive", XrBool32)]


class InteractionProfileState(Structure):
    _fields_ = [("type", c_int32), ("next", c_void_p), ("interactionProfile", XrPath)]


class HandTrackerCreateInfoEXT(Structure):
    _fields_ = [("type", c_int32), ("next", c_void_p), ("hand", c_int32), ("handJointSet", c_int32)]


class HandJointsLocateInfoEXT(Structure):
    _fields_ = [("type", c_int32), ("next", c_void_p), ("baseSpace", Handle), ("time", XrTime)]


class HandJointLocationEXT(Structure):
    _fields_ = [("locationFlags", c_uint64), ("pose", Posef), ("radius", c_float)]


class HandJointLocationsEXT(Structure):
    _fields_ = [("type", c_int32), ("next", c_void_p), ("isActive", XrBool32), ("jointCount", c_uint32),
                ("jointLocations", POINTER(HandJointLocationEXT))]


class Timespec(Structure):
    _fields_ = [("tv_sec", c_long), ("tv_nsec", c_long)]


class OpenXRError(RuntimeError):
    def __init__(self, call: str, result: str):
        super().__init__(f"{call} failed: {result}")
        self.call = call
        self.result = result


def load_loader() -> ctypes.CDLL:
    try:
        return ctypes.CDLL("libopenxr_loader.so.1")
    except OSError as error:
        raise OpenXRError("loading libopenxr_loader.so.1", str(error)) from None


_PROTOTYPES: dict[str, tuple[Any, ...]] = {
    "xrEnumerateInstanceExtensionProperties": (c_char_p, c_uint32, POINTER(c_uint32), POINTER(ExtensionProperties)),
    "xrCreateInstance": (POINTER(InstanceCreateInfo), POINTER(Handle)),
    "xrDestroyInstance": (Handle,),
    "xrResultToString": (Handle, XrResult, c_char * 64),
    "xrGetSystem": (Handle, POINTER(SystemGetInfo), POINTER(c_uint64)),
    "xrGetSystemProperties": (Handle, c_uint64, POINTER(SystemProperties)),
    "xrCreateSession": (Handle, POINTER(SessionCreateInfo), POINTER(Handle)),
    "xrDestroySession": (Handle,),
    "xrBeginSession": (Handle, POINTER(SessionBeginInfo)),
    "xrEndSession": (Handle,),
    "xrRequestExitSession": (Handle,),
    "xrPollEvent": (Handle, POINTER(EventDataBuffer)),
    "xrEnumerateReferenceSpaces": (Handle, c_uint32, POINTER(c_uint32), POINTER(c_int32)),
    "xrCreateReferenceSpace": (Handle, POINTER(ReferenceSpaceCreateInfo), POINTER(Handle)),
    "xrDestroySpace": (Handle,),
    "xrLocateSpace": (Handle, Handle, XrTime, POINTER(SpaceLocation)),
    "xrStringToPath": (Handle, c_char_p, POINTER(XrPath)),
    "xrPathToString": (Handle, XrPath, c_uint32, POINTER(c_uint32), ctypes.c_char_p),
    "xrCreateActionSet": (Handle, POINTER(ActionSetCreateInfo), POINTER(Handle)),
    "xrCreateAction": (Handle, POINTER(ActionCreateInfo), POINTER(Handle)),
    "xrSuggestInteractionProfileBindings": (Handle, POINTER(InteractionProfileSuggestedBinding)),
    "xrAttachSessionActionSets": (Handle, POINTER(SessionActionSetsAttachInfo)),
    "xrCreateActionSpace": (Handle, POINTER(ActionSpaceCreateInfo), POINTER(Handle)),
    "xrSyncActions": (Handle, POINTER(ActionsSyncInfo)),
    "xrGetActionStateBoolean": (Handle, POINTER(ActionStateGetInfo), POINTER(ActionStateBoolean)),
    "xrGetActionStatePose": (Handle, POINTER(ActionStateGetInfo), POINTER(ActionStatePose)),
    "xrGetCurrentInteractionProfile": (Handle, XrPath, POINTER(InteractionProfileState)),
    "xrGetInstanceProcAddr": (Handle, c_char_p, POINTER(c_void_p)),
}

# Extension functions are not exported by the loader; they come from xrGetInstanceProcAddr,
# and only once their extension is enabled.
_EXTENSION_PROTOTYPES: dict[str, tuple[str, tuple[Any, ...]]] = {
    "xrConvertTimespecTimeToTimeKHR": ("XR_KHR_convert_timespec_time",
                                       (Handle, POINTER(Timespec), POINTER(XrTime))),
    "xrCreateHandTrackerEXT": ("XR_EXT_hand_tracking", (Handle, POINTER(HandTrackerCreateInfoEXT), POINTER(Handle))),
    "xrDestroyHandTrackerEXT": ("XR_EXT_hand_tracking", (Handle,)),
    "xrLocateHandJointsEXT": ("XR_EXT_hand_tracking",
                              (Handle, POINTER(HandJointsLocateInfoEXT), POINTER(HandJointLocationsEXT))),
}


class Api:
    """The loader's functions as attributes; extension functions once an instance exists."""

    def __init__(self) -> None:
        self._loader = load_loader()
        self._instance = 0
        for name, arguments in _PROTOTYPES.items():
            function = getattr(self._loader, name)
            function.restype = XrResult
            function.argtypes = arguments
            setattr(self, "_" + name, function)

    def load_extension_functions(self, instance: int, enabled: set[str]) -> None:
        self._instance = instance
        for name, (extension, arguments) in _EXTENSION_PROTOTYPES.items():
            if extension not in enabled:
                continue
            address = c_void_p()
            self.call("xrGetInstanceProcAddr", Handle(instance), name.encode(), byref(address))
            if not address.value:
                raise OpenXRError("xrGetInstanceProcAddr", f"the runtime returned no {name}")
            prototype = ctypes.CFUNCTYPE(XrResult, *arguments)
            setattr(self, "_" + name, prototype(address.value))

    def result_name(self, result: int) -> str:
        text = (c_char * 64)()
        if self._instance and self._xrResultToString(self._instance, result, text) >= 0:  # type: ignore[attr-defined]
            return text.value.decode()
        return f"XrResult {result}"

    def call(self, name: str, *arguments: Any) -> int:
        """Calls an OpenXR function; raises OpenXRError on a failure code, returns the success code."""
        result = int(getattr(self, "_" + name)(*arguments))
        if result < 0:
            raise OpenXRError(name, self.result_name(result))
        return result

