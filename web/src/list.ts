// Every utterance in a list that searches their text: only the rows in view exist, so a
// session with a hundred thousand utterances scrolls and filters as one with ten.

import { shown, type Utterance } from "./data.js";
import { seconds } from "./panel.js";

const ROW_HEIGHT = 22;
const EXTRA_ROWS = 4;

export class UtteranceList {
  private matches: Int32Array; // utterance indices the search keeps
  private lowered: string[] | null = null; // texts, lower-cased on the first search
  private selected: number | null = null;
  private readonly sizer = document.createElement("div");
  private readonly rows = document.createElement("div");

  constructor(private readonly box: HTMLElement, search: HTMLInputElement, private readonly count: HTMLElement,
              private readonly utterances: Utterance[], private readonly onPick: (index: number) => void) {
    this.matches = Int32Array.from(utterances.keys());
    this.sizer.className = "list-sizer";
    this.rows.className = "list-rows";
    this.sizer.append(this.rows);
    box.replaceChildren(this.sizer);
    box.addEventListener("scroll", () => this.render());
    search.addEventListener("input", () => this.filter(search.value));
    search.addEventListener("keydown", (event) => {
      if (event.key === "Enter" && this.matches.length > 0) onPick(this.matches[0]!);
    });
    new ResizeObserver(() => this.render()).observe(box);
    this.filter("");
  }

  filter(query: string): void {
    const wanted = query.trim().toLowerCase();
    if (wanted === "") {
      this.matches = Int32Array.from(this.utterances.keys());
    } else {
      this.lowered ??= this.utterances.map((u) => u.text.toLowerCase());
      const found: number[] = [];
      this.lowered.forEach((text, i) => { if (text.includes(wanted)) found.push(i); });
      this.matches = Int32Array.from(found);
    }
    this.count.textContent = wanted === "" ? `${this.utterances.length} utterances`
      : `${this.matches.length} of ${this.utterances.length} utterances`;
    this.sizer.style.height = `${this.matches.length * ROW_HEIGHT}px`;
    this.box.scrollTop = 0;
    this.render();
  }

  get shownIndices(): number[] {
    return Array.from(this.matches);
  }

  select(index: number | null): void {
    this.selected = index;
    if (index !== null) {
      const row = this.matches.indexOf(index);
      if (row >= 0) {
        const top = row * ROW_HEIGHT;
        if (top < this.box.scrollTop || top + ROW_HEIGHT > this.box.scrollTop + this.box.clientHeight) {
          this.box.scrollTop = top - this.box.clientHeight / 2;
        }
      }
    }
    this.render();
  }

  private render(): void {
    const first = Math.max(0, Math.floor(this.box.scrollTop / ROW_HEIGHT) - EXTRA_ROWS);
    const last = Math.min(this.matches.length, first + Math.ceil(this.box.clientHeight / ROW_HEIGHT) + 2 * EXTRA_ROWS);
    const rows: HTMLButtonElement[] = [];
    for (let row = first; row < last; row++) {
      const index = this.matches[row]!;
      const utterance = this.utterances[index]!;
      const button = document.createElement("button");
      button.type = "button";
      button.className = "list-row" + (index === this.selected ? " selected" : "");
      button.dataset["index"] = String(index);
      button.dataset["shown"] = shown(utterance);
      button.style.top = `${row * ROW_HEIGHT}px`;
      const chip = document.createElement("i");
      chip.style.background = `var(--${shown(utterance)})`;
      const time = document.createElement("span");
      time.className = "time";
      time.textContent = seconds(utterance.timeNs);
      const text = document.createElement("span");
      text.className = "text";
      text.textContent = utterance.text === "" ? "(empty)" : utterance.text;
      button.append(chip, time, text);
      button.title = `${JSON.stringify(utterance.text)} (line ${utterance.line}): ${utterance.reason}`;
      button.addEventListener("click", () => this.onPick(index));
      rows.push(button);
    }
    this.rows.replaceChildren(...rows);
  }
}
