// The time strip: where there are frames (breaks at gaps and clock resets), when the select
// input was held, a marker for every utterance coloured by how it was grounded, the picked
// utterance's words, and the cursor. It zooms (wheel, buttons) and pans (shift-drag, wheel
// sideways). Markers are drawn, not made elements: a long session has a hundred thousand.

import { Flag, type Frames, shown, type Shown, type Utterance } from "./data.js";
import { type Layout, utterancePosition } from "./layout.js";

const MARKER_ROW = { top: 2, height: 14 };
const FRAMES_ROW = { top: 22, height: 14 };
const SELECT_ROW = { top: 40, height: 10 };
const WORD_LABEL_Y = 62;
const MARKER_WIDTH = 8;
const PICK_DISTANCE_PX = 6;
const MIN_SPAN_NS = 50e6; // zoomed in no further than 50 ms across the strip
const CURSOR_COLOR = "#ffffff";
export const DEICTIC_COLORS = ["#ffd23f", "#4fd1c5", "#f78fb3", "#9ad14f"];

function cssColor(name: string): string {
  return getComputedStyle(document.documentElement).getPropertyValue(`--${name}`).trim() || "#8a919c";
}

export class TimeStrip {
  private readonly pressed: [number, number][] = []; // strip spans while the select input was held
  readonly positions: Float64Array; // per utterance, where its marker sits
  readonly kinds: Shown[];
  private readonly byPosition: Int32Array; // utterance indices in strip order
  private cursor = 0;
  private selected: number | null = null;
  private start = 0; // the span in view, strip ns
  private end: number;
  private cache: HTMLCanvasElement | null = null; // everything but the cursor, for the span in view

  constructor(private readonly canvas: HTMLCanvasElement, private readonly frames: Frames,
              private readonly layout: Layout, private readonly utterances: Utterance[],
              private readonly onSeek: (position: number) => void, onPick: (index: number) => void) {
    this.end = Math.max(layout.length, 1);
    // A held frame holds until the next frame, unless a break comes first.
    for (let i = 0; i < frames.count; i++) {
      if ((frames.flags[i]! & Flag.SelectPressed) === 0) continue;
      const here = layout.display[i]!;
      const continues = i + 1 < frames.count && layout.segmentStart[i + 1] !== i + 1 &&
        layout.display[i + 1]! - here <= layout.gapNs;
      const to = continues ? layout.display[i + 1]! : here;
      const last = this.pressed[this.pressed.length - 1];
      if (last !== undefined && last[1] === here) last[1] = to;
      else this.pressed.push([here, to]);
    }
    this.positions = Float64Array.from(utterances, (u) => utterancePosition(layout, frames, u));
    this.kinds = utterances.map(shown);
    this.byPosition = Int32Array.from(utterances.keys()).sort((a, b) => this.positions[a]! - this.positions[b]!);

    let drag: { x: number; start: number; end: number } | null = null;
    let seeking = false;
    const seek = (event: PointerEvent) => this.onSeek(this.positionAt(event.clientX));
    canvas.addEventListener("pointerdown", (event) => {
      canvas.setPointerCapture(event.pointerId);
      const box = canvas.getBoundingClientRect();
      const y = event.clientY - box.top;
      if (event.shiftKey || event.button === 1) {
        drag = { x: event.clientX, start: this.start, end: this.end };
        return;
      }
      if (y < MARKER_ROW.top + MARKER_ROW.height + 2) {
        const index = this.markerAt(event.clientX - box.left);
        if (index !== null) { onPick(index); return; }
      }
      seeking = true;
      seek(event);
    });
    canvas.addEventListener("pointermove", (event) => {
      if (drag !== null) {
        const shift = (drag.x - event.clientX) / Math.max(1, canvas.clientWidth) * (drag.end - drag.start);
        this.setSpan(drag.start + shift, drag.end + shift);
      } else if (seeking) seek(event);
    });
    const stop = () => { drag = null; seeking = false; };
    canvas.addEventListener("pointerup", stop);
    canvas.addEventListener("pointercancel", stop);
    canvas.addEventListener("wheel", (event) => {
      event.preventDefault();
      const span = this.end - this.start;
      if (event.shiftKey || Math.abs(event.deltaX) > Math.abs(event.deltaY)) {
        const shift = ((event.shiftKey ? event.deltaY : 0) + event.deltaX) / Math.max(1, canvas.clientWidth) * span;
        this.setSpan(this.start + shift, this.end + shift);
      } else {
        this.zoom(Math.exp(event.deltaY * 0.002), this.positionAt(event.clientX));
      }
    }, { passive: false });
    new ResizeObserver(() => { this.cache = null; this.draw(); }).observe(canvas);
  }

  get span(): [number, number] {
    return [this.start, this.end];
  }

  // Strip ns under a client x, within the span in view.
  private positionAt(clientX: number): number {
    const box = this.canvas.getBoundingClientRect();
    const share = Math.min(1, Math.max(0, (clientX - box.left) / Math.max(1, box.width)));
    return Math.min(this.layout.length, this.start + share * (this.end - this.start));
  }

  // Where a strip position is drawn, in CSS pixels from the strip's left edge.
  x(position: number): number {
    return (position - this.start) / (this.end - this.start) * this.canvas.clientWidth;
  }

  // The utterance whose marker is nearest an x, if one is near enough to have been meant.
  markerAt(x: number): number | null {
    const order = this.byPosition;
    let low = 0;
    let high = order.length;
    while (low < high) { // the first marker at or right of x
      const middle = (low + high) >> 1;
      if (this.markerX(order[middle]!) < x) low = middle + 1;
      else high = middle;
    }
    let best: number | null = null;
    let distance = PICK_DISTANCE_PX;
    for (const i of [low - 1, low]) {
      if (i < 0 || i >= order.length) continue;
      const d = Math.abs(this.markerX(order[i]!) - x);
      if (d <= distance) { best = order[i]!; distance = d; }
    }
    return best;
  }

  // Kept inside the strip: the last utterance may sit at its very end.
  markerX(index: number): number {
    const half = MARKER_WIDTH / 2;
    return Math.min(Math.max(this.x(this.positions[index]!), half), this.canvas.clientWidth - half);
  }

  zoom(factor: number, around: number): void {
    const span = Math.min(Math.max((this.end - this.start) * factor, MIN_SPAN_NS), Math.max(this.layout.length, 1));
    const share = (around - this.start) / (this.end - this.start);
    this.setSpan(around - share * span, around - share * span + span);
  }

  fit(): void {
    this.setSpan(0, Math.max(this.layout.length, 1));
  }

  // Brings a position into view, centred, without changing the zoom (unless it is already in view).
  reveal(position: number): void {
    const span = this.end - this.start;
    const margin = span * 0.05;
    if (position >= this.start + margin && position <= this.end - margin) return;
    this.setSpan(position - span / 2, position + span / 2);
  }

  private setSpan(start: number, end: number): void {
    const length = Math.max(this.layout.length, 1);
    const span = Math.min(end - start, length);
    start = Math.min(Math.max(start, 0), length - span);
    if (start === this.start && start + span === this.end) return;
    this.start = start;
    this.end = start + span;
    this.cache = null;
    this.draw();
  }

  select(index: number | null): void {
    this.selected = index;
  }

  setCursor(position: number): void {
    this.cursor = position;
    this.draw();
  }

  // The span's content, then the picked utterance and the cursor over it: the content is
  // redrawn only when the span or the size change, so that a step costs one copy.
  draw(): void {
    const ratio = window.devicePixelRatio;
    const width = Math.max(1, Math.round(this.canvas.clientWidth * ratio));
    const height = Math.max(1, Math.round(this.canvas.clientHeight * ratio));
    if (this.canvas.width !== width || this.canvas.height !== height) {
      this.canvas.width = width;
      this.canvas.height = height;
      this.cache = null;
    }
    const g = this.canvas.getContext("2d");
    if (g === null) return;
    if (this.cache === null) this.cache = this.drawContent(width, height, ratio);
    g.setTransform(1, 0, 0, 1, 0, 0);
    g.clearRect(0, 0, width, height);
    g.drawImage(this.cache, 0, 0);
    g.setTransform(ratio, 0, 0, ratio, 0, 0);
    if (this.selected !== null) {
      g.strokeStyle = "#ffffff";
      g.lineWidth = 2;
      g.strokeRect(Math.round(this.markerX(this.selected) - MARKER_WIDTH / 2) - 1, MARKER_ROW.top - 1,
                   MARKER_WIDTH + 2, MARKER_ROW.height + 2);
      this.drawWords(g, this.selected);
    }
    g.fillStyle = CURSOR_COLOR;
    g.fillRect(Math.round(this.x(this.cursor)) - 1, 0, 2, height / ratio);
  }

  private drawContent(width: number, height: number, ratio: number): HTMLCanvasElement {
    const layer = document.createElement("canvas");
    layer.width = width;
    layer.height = height;
    const g = layer.getContext("2d")!;
    g.setTransform(ratio, 0, 0, ratio, 0, 0);
    const cssWidth = width / ratio;
    const x = (position: number) => this.x(position);
    if (this.frames.count > 0) {
      g.fillStyle = "#5b6475";
      const from = Math.max(0, x(0));
      const last = this.layout.display[this.frames.count - 1]!;
      g.fillRect(from, FRAMES_ROW.top, Math.max(1, Math.min(cssWidth, x(last)) - from), FRAMES_ROW.height);
    }
    g.fillStyle = "#3d6fb6";
    for (const [from, to] of this.pressed) {
      if (x(to) < 0 || x(from) > cssWidth) continue;
      g.fillRect(x(from), SELECT_ROW.top, Math.max(1, x(to) - x(from)), SELECT_ROW.height);
    }
    for (const gap of this.layout.breaks) {
      const from = x(gap.from);
      const to = Math.max(from + 1, x(gap.to));
      if (to < 0 || from > cssWidth) continue;
      g.fillStyle = gap.reset ? "#d0508a" : "#14161a";
      g.fillRect(from, FRAMES_ROW.top - 2, to - from, FRAMES_ROW.height + 4);
      if (gap.reset) {
        g.fillStyle = "#14161a";
        g.fillRect(from + 1, FRAMES_ROW.top, Math.max(0, to - from - 2), FRAMES_ROW.height);
      }
    }
    this.drawMarkers(g, cssWidth);
    return layer;
  }

  private drawMarkers(g: CanvasRenderingContext2D, cssWidth: number): void {
    const colors = new Map<Shown, string>();
    let lastColumn = -1;
    let lastKind: Shown | null = null;
    for (const index of this.byPosition) {
      const left = Math.round(this.markerX(index) - MARKER_WIDTH / 2);
      if (left < -MARKER_WIDTH || left > cssWidth) continue;
      const kind = this.kinds[index]!;
      // Thousands of markers on one pixel column look like one: drawn once.
      if (left === lastColumn && kind === lastKind) continue;
      lastColumn = left;
      lastKind = kind;
      let color = colors.get(kind);
      if (color === undefined) colors.set(kind, color = cssColor(kind));
      g.fillStyle = "rgba(0, 0, 0, 0.6)";
      g.fillRect(left, MARKER_ROW.top, MARKER_WIDTH, MARKER_ROW.height);
      g.fillStyle = color;
      g.fillRect(left + 1, MARKER_ROW.top + 1, MARKER_WIDTH - 2, MARKER_ROW.height - 2);
    }
  }

  // A tick at each word's start; deictic words coloured as their rays are, and named.
  private drawWords(g: CanvasRenderingContext2D, index: number): void {
    for (const tick of this.wordTicks(index)) {
      g.fillStyle = tick.color ?? "rgba(255, 255, 255, 0.55)";
      g.fillRect(Math.round(tick.x) - (tick.color === null ? 0 : 1), MARKER_ROW.top + MARKER_ROW.height + 2,
                 tick.color === null ? 1 : 2, SELECT_ROW.top + SELECT_ROW.height - MARKER_ROW.height);
      if (tick.color !== null) {
        g.font = "10px system-ui, sans-serif";
        g.fillText(tick.word, tick.x + 2, WORD_LABEL_Y);
      }
    }
  }

  // Where the picked utterance's words start on the strip: in the stretch its marker is in.
  wordTicks(index: number): { word: string; x: number; color: string | null }[] {
    const utterance = this.utterances[index]!;
    if (utterance.words === null) return [];
    const deictic = new Map((utterance.references ?? []).map((r, i) => [r.index, i]));
    return utterance.words.map((word, i) => {
      const which = deictic.get(i);
      return { word: word.text, x: this.x(this.positions[index]! + (word.startNs - utterance.timeNs)),
               color: which === undefined ? null : DEICTIC_COLORS[which % DEICTIC_COLORS.length]! };
    });
  }
}
