// The 3D view of the reference space at the cursor: the head and its path, the hands, the
// pointing ray to its hit with the target's id and the surface normal, the gaze ray, the hits
// of the last seconds fading out, the host's scene as labelled boxes, and for a picked
// utterance the ray and referent of each deictic word at its own moment.

import {
  AmbientLight, ArrowHelper, AxesHelper, Box3, BoxGeometry, BufferAttribute, BufferGeometry, Color, ConeGeometry,
  CylinderGeometry, DirectionalLight, EdgesGeometry, GridHelper, Group, Line, LineBasicMaterial, LineSegments, Mesh,
  MeshBasicMaterial, MeshLambertMaterial, type Object3D, PerspectiveCamera, Points, PointsMaterial, Quaternion, Scene,
  SphereGeometry, Vector3, WebGLRenderer,
} from "three";
import { OrbitControls } from "three/addons/controls/OrbitControls.js";
import { CSS2DObject, CSS2DRenderer } from "three/addons/renderers/CSS2DRenderer.js";
import {
  Flag, FLOATS_PER_FRAME, GAZE_DIRECTION, GAZE_ORIGIN, HEAD_ORIENTATION, HEAD_POSITION, LEFT_HAND, POINTING_DIRECTION,
  POINTING_ORIGIN, RIGHT_HAND, TARGET_NORMAL, TARGET_POSITION, type Frames, type Reference, type SceneRecord,
} from "./data.js";
import type { Layout } from "./layout.js";
import { DEICTIC_COLORS } from "./strip.js";

const RAY_COLOR = 0xff3d00;
const GAZE_COLOR = 0x38c8ff;
const NORMAL_COLOR = 0x5fe05f;
const PATH_COLOR = 0x6b7bff;
const HIT_COLOR = 0xffb000;
const HIGHLIGHT_COLOR = 0xffd23f;
const BOX_COLOR = 0x7d8797;
const RAY_WITHOUT_HIT_M = 4;
const GAZE_LENGTH_M = 2;
const MAX_PATH_POINTS = 5000; // drawn; every frame is still searched
const RECENT_HITS_NS = 2e9;
const MAX_RECENT_HITS = 120;
const OUTLIER_SPREADS = 3; // a point this many interquartile ranges beyond the quartiles is an outlier
const UP = new Vector3(0, 1, 0);
const FORWARD = new Vector3(0, 0, -1);

function vec(values: Float32Array, frame: number, offset: number): Vector3 {
  const at = frame * FLOATS_PER_FRAME + offset;
  return new Vector3(values[at], values[at + 1], values[at + 2]);
}

function finite(v: Vector3): boolean {
  return Number.isFinite(v.x) && Number.isFinite(v.y) && Number.isFinite(v.z);
}

// A ray as a thin solid rod: a 1-pixel line would blend into the background.
class Rod extends Mesh<CylinderGeometry, MeshBasicMaterial> {
  constructor(color: number, private readonly radius: number) {
    super(new CylinderGeometry(1, 1, 1, 12).translate(0, 0.5, 0), new MeshBasicMaterial({ color, toneMapped: false }));
  }

  span(from: Vector3, direction: Vector3, length: number, thickness = 1): void {
    const d = direction.clone().normalize();
    this.visible = finite(from) && finite(d) && d.lengthSq() > 0 && length > 0;
    if (!this.visible) return;
    this.position.copy(from);
    this.quaternion.setFromUnitVectors(UP, d);
    this.scale.set(this.radius * thickness, length, this.radius * thickness);
  }
}

// Removes and frees what a group holds (labels' elements included).
function clear(group: Group): void {
  group.traverse((o: Object3D) => {
    if (o instanceof CSS2DObject) o.element.remove();
    if (o instanceof Mesh || o instanceof LineSegments) {
      o.geometry.dispose();
      (o.material as MeshBasicMaterial).dispose();
    }
  });
  group.clear();
}

function sceneBox(id: string, position: [number, number, number], orientation: [number, number, number, number],
                  size: [number, number, number]): Group {
  const box = new Group();
  box.userData["id"] = id;
  box.position.set(...position);
  const q = new Quaternion(...orientation);
  box.quaternion.copy(q.lengthSq() > 0 ? q.normalize() : q.identity());
  const geometry = new BoxGeometry(Math.max(size[0], 1e-4), Math.max(size[1], 1e-4), Math.max(size[2], 1e-4));
  box.add(new LineSegments(new EdgesGeometry(geometry), new LineBasicMaterial({ color: BOX_COLOR })));
  const fill = new Mesh(geometry, new MeshBasicMaterial({ color: BOX_COLOR, transparent: true, opacity: 0.08,
                                                         depthWrite: false }));
  const text = document.createElement("div");
  text.className = "scene-label";
  text.textContent = id;
  const label = new CSS2DObject(text);
  label.position.set(0, size[1] / 2, 0); // on its top face
  box.add(label, fill);
  return box;
}

export class SpatialView {
  readonly renderer: WebGLRenderer;
  readonly camera = new PerspectiveCamera(60, 1, 0.01, 500);
  private readonly scene = new Scene();
  private readonly labels = new CSS2DRenderer();
  private readonly controls: OrbitControls;
  private readonly head = new Group();
  private readonly leftHand: Mesh;
  private readonly rightHand: Mesh;
  private readonly ray = new Rod(RAY_COLOR, 0.008);
  private readonly gaze = new Rod(GAZE_COLOR, 0.004);
  private readonly normal = new ArrowHelper(UP, new Vector3(), 0.25, NORMAL_COLOR, 0.06, 0.035);
  private readonly hitMarker: Mesh<SphereGeometry, MeshBasicMaterial>;
  private readonly label: CSS2DObject;
  private readonly recentHits = new Points(new BufferGeometry(), new PointsMaterial({
    size: 6, sizeAttenuation: false, vertexColors: true, transparent: true, depthWrite: false,
  }));
  private readonly sceneBoxes = new Group();
  private readonly wordMarks = new Group();
  private shownScene: SceneRecord | null = null;
  private highlightedIds = new Set<string>();
  private readonly bounds: Box3; // where the session happens, outliers left out
  private fromHead = false;
  private frame = -1;
  private renderQueued = false;

  constructor(private readonly host: HTMLElement, labelLayer: HTMLElement, private readonly frames: Frames,
              private readonly layout: Layout, private readonly scenes: SceneRecord[]) {
    this.renderer = new WebGLRenderer({ antialias: false });
    this.renderer.setPixelRatio(window.devicePixelRatio);
    this.renderer.setClearColor(new Color(0x14161a));
    host.insertBefore(this.renderer.domElement, host.firstChild);
    labelLayer.appendChild(this.labels.domElement);
    this.controls = new OrbitControls(this.camera, this.renderer.domElement);
    this.controls.addEventListener("change", () => this.requestRender());
    // Turning the camera by hand leaves the head's view: the head is drawn again.
    this.controls.addEventListener("start", () => this.leaveHead());

    this.scene.add(new AmbientLight(0xffffff, 1.2));
    const sun = new DirectionalLight(0xffffff, 1.5);
    sun.position.set(2, 5, 3);
    this.scene.add(sun);
    this.scene.add(new GridHelper(10, 20, 0x555b66, 0x2e323a));
    this.scene.add(new AxesHelper(0.5));

    const skin = new MeshLambertMaterial({ color: 0xe8e8e8 });
    const skull = new Mesh(new SphereGeometry(0.1, 20, 14), skin);
    const nose = new Mesh(new ConeGeometry(0.035, 0.12, 12).rotateX(-Math.PI / 2).translate(0, 0, -0.12), skin);
    this.head.add(skull, nose, new ArrowHelper(FORWARD, new Vector3(), 0.45, 0xe8e8e8, 0.07, 0.04));
    this.leftHand = new Mesh(new SphereGeometry(0.035, 16, 10), new MeshLambertMaterial({ color: 0xb07cff }));
    this.rightHand = new Mesh(new SphereGeometry(0.035, 16, 10), new MeshLambertMaterial({ color: 0xff8fc8 }));
    this.hitMarker = new Mesh(new SphereGeometry(0.03, 16, 10), new MeshBasicMaterial({ color: HIT_COLOR }));
    const text = document.createElement("div");
    text.className = "target-label";
    this.label = new CSS2DObject(text);
    this.label.center.set(0, 1.4);
    this.scene.add(this.head, this.leftHand, this.rightHand, this.ray, this.gaze, this.normal, this.hitMarker,
                   this.label, this.recentHits, this.sceneBoxes, this.wordMarks);
    this.bounds = this.sessionBounds();
    this.addPath();
    this.resize();
    new ResizeObserver(() => this.resize()).observe(host);
  }

  // The head's path, one line per stretch between clock resets, thinned to a bounded count.
  private addPath(): void {
    const { count, values, flags } = this.frames;
    const stride = Math.max(1, Math.ceil(count / MAX_PATH_POINTS));
    const material = new LineBasicMaterial({ color: PATH_COLOR, transparent: true, opacity: 0.7 });
    let points: number[] = [];
    const flush = () => {
      if (points.length >= 6) {
        const geometry = new BufferGeometry();
        geometry.setAttribute("position", new BufferAttribute(new Float32Array(points), 3));
        this.scene.add(new Line(geometry, material));
      }
      points = [];
    };
    for (let i = 0; i < count; i++) {
      if (i > 0 && this.layout.segmentStart[i] === i) flush();
      const last = i === count - 1 || this.layout.segmentStart[i + 1] === i + 1;
      if (i % stride !== 0 && !last) continue;
      if ((flags[i]! & Flag.HeadTracked) === 0) continue;
      const p = vec(values, i, HEAD_POSITION);
      // A point far out (a tracker's 1e30) would pull a spike across the whole view.
      if (finite(p) && this.bounds.distanceToPoint(p) < 100) points.push(p.x, p.y, p.z);
    }
    flush();
  }

  resize(): void {
    const width = Math.max(1, this.host.clientWidth);
    const height = Math.max(1, this.host.clientHeight);
    this.renderer.setSize(width, height);
    this.labels.setSize(width, height);
    this.camera.aspect = width / height;
    this.camera.updateProjectionMatrix();
    this.requestRender();
  }

  // Where the session happens: the head's path and what was hit, leaving
  // out outliers by the quartiles of each axis, so that stray points (a hit on a far wall, a
  // tracker's 1e30 in one frame of ten) cannot shrink everything else to a dot.
  private sessionBounds(): Box3 {
    const { count, values, flags } = this.frames;
    const points: Vector3[] = [];
    const stride = Math.max(1, Math.ceil(count / MAX_PATH_POINTS));
    for (let i = 0; i < count; i += stride) {
      for (const [flag, offset] of [[Flag.HeadTracked, HEAD_POSITION], [Flag.Target, TARGET_POSITION]] as const) {
        if ((flags[i]! & flag) === 0) continue;
        const p = vec(values, i, offset);
        if (finite(p)) points.push(p);
      }
    }
    // The scene's boxes only where nothing else says where the session is: a floor or a wall
    // would widen the view past what happened.
    if (points.length === 0) {
      for (const record of this.scenes) for (const o of record.objects) points.push(new Vector3(...o.position));
    }
    const box = new Box3(new Vector3(-1, 0, -1), new Vector3(1, 2, 1));
    if (points.length === 0) return box;
    const ranges = (["x", "y", "z"] as const).map((axis) => {
      const sorted = points.map((p) => p[axis]).sort((a, b) => a - b);
      const q1 = sorted[Math.floor(sorted.length * 0.25)]!;
      const q3 = sorted[Math.floor(sorted.length * 0.75)]!;
      const spread = Math.max(q3 - q1, 0.5);
      return [q1 - OUTLIER_SPREADS * spread, q3 + OUTLIER_SPREADS * spread] as const;
    });
    const inside = points.filter((p) => (["x", "y", "z"] as const).every((axis, i) =>
      p[axis] >= ranges[i]![0] && p[axis] <= ranges[i]![1]));
    return inside.length === 0 ? box : new Box3().setFromPoints(inside);
  }

  overview(): void {
    this.leaveHead();
    const center = this.bounds.getCenter(new Vector3());
    const size = Math.max(1.5, this.bounds.getSize(new Vector3()).length());
    this.controls.target.copy(center);
    this.camera.position.copy(center).add(new Vector3(0.8, 0.7, 1.0).normalize().multiplyScalar(size * 1.2));
    this.camera.far = Math.max(500, size * 10);
    this.camera.updateProjectionMatrix();
    this.controls.update();
    this.requestRender();
  }

  // The camera at the head, looking where it faces, following it from frame to frame; the
  // head itself is not drawn, or its nose would fill the view.
  lookFromHead(): void {
    if (this.frame < 0 || (this.frames.flags[this.frame]! & Flag.HeadTracked) === 0) return;
    this.fromHead = true;
    this.head.visible = false;
    this.placeAtHead();
  }

  get lookingFromHead(): boolean {
    return this.fromHead;
  }

  private placeAtHead(): void {
    const position = vec(this.frames.values, this.frame, HEAD_POSITION);
    if (!finite(position)) return;
    const facing = FORWARD.clone().applyQuaternion(this.headOrientation(this.frame));
    this.camera.position.copy(position);
    this.controls.target.copy(position).add(facing.multiplyScalar(0.5));
    this.controls.update();
    this.requestRender();
  }

  private leaveHead(): void {
    if (!this.fromHead) return;
    this.fromHead = false;
    this.head.visible = this.frame >= 0 && (this.frames.flags[this.frame]! & Flag.HeadTracked) !== 0;
  }

  private headOrientation(frame: number): Quaternion {
    const at = frame * FLOATS_PER_FRAME + HEAD_ORIENTATION;
    const v = this.frames.values;
    const q = new Quaternion(v[at], v[at + 1], v[at + 2], v[at + 3]);
    return Number.isFinite(q.lengthSq()) && q.lengthSq() > 0 ? q.normalize() : new Quaternion();
  }

  show(frame: number, highlighted: boolean): void {
    this.frame = frame;
    const { values, flags, targets, targetIds } = this.frames;
    const has = (flag: number) => frame >= 0 && (flags[frame]! & flag) !== 0;
    this.head.visible = has(Flag.HeadTracked) && !this.fromHead;
    if (has(Flag.HeadTracked)) {
      this.head.position.copy(vec(values, frame, HEAD_POSITION));
      this.head.quaternion.copy(this.headOrientation(frame));
      if (this.fromHead) this.placeAtHead();
    }
    this.leftHand.visible = has(Flag.LeftHand);
    if (this.leftHand.visible) this.leftHand.position.copy(vec(values, frame, LEFT_HAND));
    this.rightHand.visible = has(Flag.RightHand);
    if (this.rightHand.visible) this.rightHand.position.copy(vec(values, frame, RIGHT_HAND));

    const hit = has(Flag.Target) ? vec(values, frame, TARGET_POSITION) : null;
    this.ray.visible = has(Flag.Pointing);
    if (this.ray.visible) {
      const origin = vec(values, frame, POINTING_ORIGIN);
      const direction = vec(values, frame, POINTING_DIRECTION);
      const length = hit !== null && finite(hit) ? hit.distanceTo(origin) : RAY_WITHOUT_HIT_M;
      this.ray.span(origin, hit !== null && finite(hit) ? hit.clone().sub(origin) : direction, length,
                    highlighted ? 1.8 : 1);
    }
    this.gaze.visible = has(Flag.Gaze);
    if (this.gaze.visible) {
      this.gaze.span(vec(values, frame, GAZE_ORIGIN), vec(values, frame, GAZE_DIRECTION), GAZE_LENGTH_M);
    }
    const hitShown = hit !== null && finite(hit);
    this.hitMarker.visible = this.normal.visible = this.label.visible = hitShown;
    if (hitShown) {
      this.hitMarker.position.copy(hit);
      this.hitMarker.scale.setScalar(highlighted ? 1.8 : 1);
      this.hitMarker.material.color.set(highlighted ? HIGHLIGHT_COLOR : HIT_COLOR);
      const normal = vec(values, frame, TARGET_NORMAL);
      this.normal.position.copy(hit);
      if (finite(normal) && normal.lengthSq() > 0) this.normal.setDirection(normal.normalize());
      const id = targets[frame]!;
      const element = this.label.element;
      element.textContent = id < 0 ? "(no id)" : targetIds[id]!;
      element.classList.toggle("highlighted", highlighted);
      this.label.position.copy(hit);
    }
    this.label.element.style.display = hitShown ? "" : "none";
    this.showRecentHits(frame);
    this.showScene(frame);
    this.requestRender();
  }

  // The scene the host recorded last before this frame, its boxes labelled with their ids.
  private showScene(frame: number): void {
    let record: SceneRecord | null = null;
    for (const s of this.scenes) if (s.framesBefore <= Math.max(frame, 0)) record = s;
    if (record !== this.shownScene) {
      this.shownScene = record;
      clear(this.sceneBoxes);
      for (const o of record?.objects ?? []) this.sceneBoxes.add(sceneBox(o.id, o.position, o.orientation, o.size));
    }
    for (const box of this.sceneBoxes.children) {
      const highlighted = this.highlightedIds.has(box.userData["id"] as string);
      const [edges, label] = box.children as [LineSegments<EdgesGeometry, LineBasicMaterial>, CSS2DObject];
      edges.material.color.set(highlighted ? HIGHLIGHT_COLOR : BOX_COLOR);
      label.element.classList.toggle("highlighted", highlighted);
    }
  }

  // For the picked utterance: each deictic word's ray from the frame it was paired with to
  // what it hit, labelled "word: referent", or "word: reason" where the ray found nothing.
  showWords(references: Reference[], wholeReferent: string | null): void {
    clear(this.wordMarks);
    this.highlightedIds = new Set(references.length > 0
      ? references.flatMap((r) => r.referent === null ? [] : [r.referent])
      : wholeReferent === null ? [] : [wholeReferent]);
    const { values, flags } = this.frames;
    references.forEach((reference, i) => {
      const color = DEICTIC_COLORS[i % DEICTIC_COLORS.length]!;
      const frame = reference.frame;
      if (frame === null || frame < 0 || frame >= this.frames.count) return;
      let end: Vector3 | null = reference.position === null ? null : new Vector3(...reference.position);
      if ((flags[frame]! & Flag.Pointing) !== 0) {
        const origin = vec(values, frame, POINTING_ORIGIN);
        const direction = end === null ? vec(values, frame, POINTING_DIRECTION) : end.clone().sub(origin);
        const length = end === null ? RAY_WITHOUT_HIT_M : end.distanceTo(origin);
        const rod = new Rod(new Color(color).getHex(), 0.008);
        // Drawn over everything else: at the paired frame the current pointing ray lies along it.
        rod.material.depthTest = false;
        rod.renderOrder = 2;
        rod.span(origin, direction, length);
        this.wordMarks.add(rod);
        // A ray that hit nothing is labelled near the hand: its far end may be out of view.
        end ??= origin.clone().add(direction.clone().normalize().multiplyScalar(0.4));
      }
      end ??= vec(values, frame, HEAD_POSITION);
      if (!finite(end)) return;
      const text = document.createElement("div");
      text.className = "word-label";
      text.textContent = `${reference.word}: ${reference.referent ?? reference.reason ?? "?"}` +
        (reference.referent === null || reference.certainty === null ? "" :
          ` (${reference.certainty.toFixed(2)}${reference.ask ? ", ask" : ""})`);
      text.style.borderColor = color;
      text.dataset["word"] = reference.word;
      const label = new CSS2DObject(text);
      label.center.set(0.5, -0.4 - i * 1.3); // below the point, one under the other where words share it
      label.position.copy(end);
      this.wordMarks.add(label);
    });
    this.shownScene = null; // its highlights change
    if (this.frame >= 0) this.showScene(this.frame);
    this.requestRender();
  }

  private showRecentHits(frame: number): void {
    const { values, flags } = this.frames;
    const points: number[] = [];
    const colors: number[] = [];
    const color = new Color(HIT_COLOR);
    const now = this.layout.display[Math.max(frame, 0)] ?? 0;
    // Frames are many a second; take every few so that a busy second stays a handful of points.
    let i = frame - 1;
    const framesPerNs = this.frames.count / Math.max(1, this.layout.length);
    const step = Math.max(1, Math.ceil(RECENT_HITS_NS * framesPerNs / MAX_RECENT_HITS));
    for (; i >= 0 && points.length < MAX_RECENT_HITS * 3; i -= step) {
      const age = now - this.layout.display[i]!;
      if (age > RECENT_HITS_NS || this.layout.segmentStart[i] !== this.layout.segmentStart[frame]) break;
      if ((flags[i]! & Flag.Target) === 0) continue;
      const p = vec(values, i, TARGET_POSITION);
      if (!finite(p)) continue;
      points.push(p.x, p.y, p.z);
      colors.push(color.r, color.g, color.b, 0.8 * (1 - age / RECENT_HITS_NS));
    }
    const geometry = new BufferGeometry();
    geometry.setAttribute("position", new BufferAttribute(new Float32Array(points), 3));
    geometry.setAttribute("color", new BufferAttribute(new Float32Array(colors), 4));
    this.recentHits.geometry.dispose();
    this.recentHits.geometry = geometry;
  }

  // Where a point of the reference space shows on the canvas, in CSS pixels from its corner.
  project(point: [number, number, number]): [number, number] {
    const p = new Vector3(...point).project(this.camera);
    const canvas = this.renderer.domElement;
    return [(p.x + 1) / 2 * canvas.clientWidth, (1 - p.y) / 2 * canvas.clientHeight];
  }

  requestRender(): void {
    if (this.renderQueued) return;
    this.renderQueued = true;
    requestAnimationFrame(() => {
      this.renderQueued = false;
      this.renderNow();
    });
  }

  renderNow(): void {
    this.renderer.render(this.scene, this.camera);
    this.labels.render(this.scene, this.camera);
  }
}
