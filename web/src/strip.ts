// The time strip: where there are frames (breaks at gaps and clock resets), when the select
// input was held, a marker for every utterance coloured by its outcome, and the cursor.

import { Flag, type Frames, type Utterance } from "./data.js";
import { type Layout, utterancePosition } from "./layout.js";

const FRAMES_ROW = { top: 22, height: 14 };
const SELECT_ROW = { top: 40, height: 10 };
const CURSOR_COLOR = "#ffffff";

export class TimeStrip {
  private readonly pressed: [number, number][] = []; // strip spans while the select input was held
  readonly markers: HTMLButtonElement[] = [];
  private cursor = 0;

  constructor(private readonly canvas: HTMLCanvasElement, markerLayer: HTMLElement, private readonly frames: Frames,
              private readonly layout: Layout, utterances: Utterance[],
              private readonly onSeek: (position: number) => void, onPick: (index: number) => void) {
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
    utterances.forEach((utterance, index) => {
      const marker = document.createElement("button");
      marker.type = "button";
      marker.className = `utterance ${utterance.outcome}`;
      marker.dataset["index"] = String(index);
      marker.dataset["outcome"] = utterance.outcome;
      marker.style.background = `var(--${utterance.outcome})`;
      marker.title = `${JSON.stringify(utterance.text)} (line ${utterance.line}): ${utterance.reason}`;
      marker.setAttribute("aria-label", marker.title);
      // Kept inside the strip: the last utterance may sit at its very end.
      marker.style.left = `min(${this.share(utterancePosition(layout, frames, utterance)) * 100}%, calc(100% - 6px))`;
      marker.addEventListener("click", (event) => {
        event.stopPropagation();
        onPick(index);
      });
      markerLayer.appendChild(marker);
      this.markers.push(marker);
    });
    let dragging = false;
    const seek = (event: PointerEvent) => {
      const box = canvas.getBoundingClientRect();
      this.onSeek(Math.min(1, Math.max(0, (event.clientX - box.left) / box.width)) * layout.length);
    };
    canvas.addEventListener("pointerdown", (event) => { dragging = true; canvas.setPointerCapture(event.pointerId); seek(event); });
    canvas.addEventListener("pointermove", (event) => { if (dragging) seek(event); });
    canvas.addEventListener("pointerup", () => { dragging = false; });
    new ResizeObserver(() => this.draw()).observe(canvas);
  }

  private share(position: number): number {
    return this.layout.length > 0 ? position / this.layout.length : 0;
  }

  select(index: number | null): void {
    this.markers.forEach((marker, i) => marker.classList.toggle("selected", i === index));
  }

  setCursor(position: number): void {
    this.cursor = position;
    this.draw();
  }

  // Drawn from spans, not frames: the frames' stretches and the pressed runs, found once.
  draw(): void {
    const ratio = window.devicePixelRatio;
    const width = Math.max(1, Math.round(this.canvas.clientWidth * ratio));
    const height = Math.max(1, Math.round(this.canvas.clientHeight * ratio));
    if (this.canvas.width !== width || this.canvas.height !== height) {
      this.canvas.width = width;
      this.canvas.height = height;
    }
    const g = this.canvas.getContext("2d");
    if (g === null) return;
    g.setTransform(ratio, 0, 0, ratio, 0, 0);
    const cssWidth = width / ratio;
    g.clearRect(0, 0, cssWidth, height / ratio);
    const x = (position: number) => this.share(position) * cssWidth;
    if (this.frames.count > 0) {
      g.fillStyle = "#5b6475";
      const last = this.layout.display[this.frames.count - 1]!;
      g.fillRect(0, FRAMES_ROW.top, Math.max(1, x(last)), FRAMES_ROW.height);
    }
    g.fillStyle = "#3d6fb6";
    for (const [from, to] of this.pressed) g.fillRect(x(from), SELECT_ROW.top, Math.max(1, x(to) - x(from)), SELECT_ROW.height);
    for (const gap of this.layout.breaks) {
      const from = x(gap.from);
      const to = Math.max(from + 1, x(gap.to));
      g.fillStyle = gap.reset ? "#d0508a" : "#14161a";
      g.fillRect(from, FRAMES_ROW.top - 2, to - from, FRAMES_ROW.height + 4);
      if (gap.reset) {
        g.fillStyle = "#14161a";
        g.fillRect(from + 1, FRAMES_ROW.top, Math.max(0, to - from - 2), FRAMES_ROW.height);
      }
    }
    g.fillStyle = CURSOR_COLOR;
    g.fillRect(Math.round(x(this.cursor)) - 1, 0, 2, height / ratio);
  }
}
