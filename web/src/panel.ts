// The side panel: the picked utterance's event, or the reason it got none, with its line one
// click away; otherwise what the frame under the cursor holds.

import { Flag, type Frames, type Session, type Utterance } from "./data.js";

function element<K extends keyof HTMLElementTagNameMap>(tag: K, text?: string, id?: string): HTMLElementTagNameMap[K] {
  const e = document.createElement(tag);
  if (text !== undefined) e.textContent = text;
  if (id !== undefined) e.id = id;
  return e;
}

function facts(rows: [string, string, string?][]): HTMLDListElement {
  const list = element("dl");
  for (const [name, value, id] of rows) list.append(element("dt", name), element("dd", value, id));
  return list;
}

export function seconds(ns: number): string {
  return `${(ns / 1e9).toFixed(3)} s`;
}

export function showUtterance(panel: HTMLElement, utterance: Utterance, session: Session): void {
  const outcome = utterance.outcome === "event" ? "event" : utterance.outcome.replace("_", " ");
  const rows: [string, string, string?][] = [
    ["text", JSON.stringify(utterance.text), "utterance-text"],
    ["said at", seconds(utterance.timeNs)],
    ["log line", String(utterance.line)],
    ["outcome", outcome, "outcome"],
  ];
  if (utterance.frame !== null) {
    rows.push(["paired frame", `#${utterance.frame} at ${seconds(session.frames.times[utterance.frame]!)}`]);
    rows.push(["context age", `${((utterance.ageNs ?? 0) / 1e6).toFixed(1)} ms`]);
    rows.push(["target", utterance.referent ?? (utterance.hit ? "(a hit without id)" : "(nothing hit)"), "referent"]);
  }
  panel.replaceChildren(element("h2", "Utterance"), facts(rows), element("p", utterance.reason, "reason"));
  if (utterance.eventLine !== null) {
    const line = element("pre", utterance.eventLine, "event-line");
    line.hidden = true;
    const toggle = element("button", "Show the event's JSON line", "show-line");
    toggle.type = "button";
    toggle.addEventListener("click", () => {
      line.hidden = !line.hidden;
      toggle.textContent = line.hidden ? "Show the event's JSON line" : "Hide the JSON line";
    });
    panel.append(toggle, line);
  }
}

export function showFrame(panel: HTMLElement, frames: Frames, frame: number): void {
  if (frame < 0) {
    panel.replaceChildren(element("h2", "No frames"), element("p", "This log holds no frame."));
    return;
  }
  const flags = frames.flags[frame]!;
  const id = frames.targets[frame]!;
  const target = (flags & Flag.Target) === 0 ? "none" : id < 0 ? "(a hit without id)" : frames.targetIds[id]!;
  const select = (flags & Flag.HasSelect) === 0 ? "no select input" : (flags & Flag.SelectPressed) !== 0 ? "pressed" : "released";
  panel.replaceChildren(element("h2", `Frame #${frame}`), facts([
    ["time", seconds(frames.times[frame]!)],
    ["head", (flags & Flag.HeadTracked) !== 0 ? "tracked" : "not tracked"],
    ["pointing", (flags & Flag.Pointing) !== 0 ? "yes" : "no"],
    ["target", target],
    ["select", select],
    ["hands", [(flags & Flag.LeftHand) !== 0 ? "left" : "", (flags & Flag.RightHand) !== 0 ? "right" : ""]
      .filter(Boolean).join(" and ") || "not tracked"],
    ["gaze", (flags & Flag.Gaze) !== 0 ? "yes" : "no"],
  ]), element("p", "Click an utterance marker on the time strip to see its event, or why it got none."));
}
