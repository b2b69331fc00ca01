// The 3D view of the reference space at the cursor: the head and its path, the hands, the
// pointing ray to its hit with the target's id and the surface normal, the gaze ray, and the
// hits of the last seconds fading out.

import {
  AmbientLight, ArrowHelper, AxesHelper, BufferAttribute, BufferGeometry, Color, ConeGeometry, CylinderGeometry,
  DirectionalLight, GridHelper, Group, Line, LineBasicMaterial, Mesh, MeshBasicMaterial, MeshLambertMaterial,
  PerspectiveCamera, Points, PointsMaterial, Quaternion, Scene, SphereGeometry, Vector3, WebGLRenderer,
} from "three";
import { OrbitControls } from "three/addons/controls/OrbitControls.js";
import { CSS2DObject, CSS2DRenderer } from "three/addons/renderers/CSS2DRenderer.js";
import {
  Flag, FLOATS_PER_FRAME, GAZE_DIRECTION, GAZE_ORIGIN, HEAD_ORIENTATION, HEAD_POSITION, LEFT_HAND, POINTING_DIRECTION,
  POINTING_ORIGIN, RIGHT_HAND, TARGET_NORMAL, TARGET_POSITION, type Frames,
} from "./data.js";
import type { Layout } from "./layout.js";

const RAY_COLOR = 0xff3d00;
const GAZE_COLOR = 0x38c8ff;
const NORMAL_COLOR = 0x5fe05f;
const PATH_COLOR = 0x6b7bff;
const HIT_COLOR = 0xffb000;
const HIGHLIGHT_COLOR = 0xffd23f;
const RAY_WITHOUT_HIT_M = 4;
const GAZE_LENGTH_M = 2;
const MAX_PATH_POINTS = 5000; // drawn; every frame is still searched
const RECENT_HITS_NS = 2e9;
const MAX_RECENT_HITS = 120;
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
  private frame = -1;
  private renderQueued = false;

  constructor(private readonly host: HTMLElement, labelLayer: HTMLElement, private readonly frames: Frames,
              private readonly layout: Layout) {
    this.renderer = new WebGLRenderer({ antialias: true });
    this.renderer.setPixelRatio(window.devicePixelRatio);
    this.renderer.setClearColor(new Color(0x14161a));
    host.insertBefore(this.renderer.domElement, host.firstChild);
    labelLayer.appendChild(this.labels.domElement);
    this.controls = new OrbitControls(this.camera, this.renderer.domElement);
    this.controls.addEventListener("change", () => this.requestRender());

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
                   this.label, this.recentHits);
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
      if (finite(p)) points.push(p.x, p.y, p.z);
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

  // The session in view: where the head went and what was hit, ignoring the farthest few
  // points (one stray hit on a far wall would otherwise shrink everything else to a dot).
  overview(): void {
    const { count, values, flags } = this.frames;
    const axes: number[][] = [[], [], []];
    const stride = Math.max(1, Math.ceil(count / MAX_PATH_POINTS));
    for (let i = 0; i < count; i += stride) {
      for (const [flag, offset] of [[Flag.HeadTracked, HEAD_POSITION], [Flag.Target, TARGET_POSITION]] as const) {
        if ((flags[i]! & flag) === 0) continue;
        const p = vec(values, i, offset);
        if (finite(p)) { axes[0]!.push(p.x); axes[1]!.push(p.y); axes[2]!.push(p.z); }
      }
    }
    const low = new Vector3(-1, 0, -1);
    const high = new Vector3(1, 2, 1);
    if (axes[0]!.length > 0) {
      const [lx, ly, lz, hx, hy, hz] = [0.02, 0.98].flatMap((share) => axes.map((axis) => {
        axis.sort((a, b) => a - b);
        return axis[Math.min(axis.length - 1, Math.floor(share * axis.length))]!;
      }));
      low.set(lx!, ly!, lz!);
      high.set(hx!, hy!, hz!);
    }
    const center = low.clone().add(high).multiplyScalar(0.5);
    const size = Math.max(1.5, high.distanceTo(low));
    this.controls.target.copy(center);
    this.camera.position.copy(center).add(new Vector3(0.8, 0.7, 1.0).normalize().multiplyScalar(size * 1.2));
    this.controls.update();
    this.requestRender();
  }

  // The camera at the head of the current frame, looking where it faces.
  lookFromHead(): void {
    if (this.frame < 0) return;
    const position = vec(this.frames.values, this.frame, HEAD_POSITION);
    const facing = FORWARD.clone().applyQuaternion(this.headOrientation(this.frame));
    this.camera.position.copy(position);
    this.controls.target.copy(position).add(facing.multiplyScalar(0.5));
    this.controls.update();
    this.requestRender();
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
    this.head.visible = has(Flag.HeadTracked);
    if (this.head.visible) {
      this.head.position.copy(vec(values, frame, HEAD_POSITION));
      this.head.quaternion.copy(this.headOrientation(frame));
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
