// The side panel: the picked utterance's event, or the reason it got none, what each of its
// deictic words refers to, and its event's line; otherwise what the frame under the cursor
// holds. Frames are numbered as replay numbers them: #0 is the log's first.

import { Flag, type Frames, type Session, shown, type Utterance } from "./data.js";

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

export function frameName(frame: number): string {
  return `#${frame}`;
}

// The line indented, its strings and numbers kept exactly as written (JSON.parse would round
// a 64-bit timestamp).
export function prettyJson(line: string): string {
  let out = "";
  let depth = 0;
  let inString = false;
  const newline = () => "\n" + "  ".repeat(depth);
  for (let i = 0; i < line.length; i++) {
    const c = line[i]!;
    if (inString) {
      out += c;
      if (c === "\\") out += line[++i] ?? "";
      else if (c === '"') inString = false;
    } else if (c === '"') {
      inString = true;
      out += c;
    } else if (c === "{" || c === "[") {
      const close = c === "{" ? "}" : "]";
      if (line[i + 1] === close) { out += c + close; i++; continue; }
      depth++;
      out += c + newline();
    } else if (c === "}" || c === "]") {
      depth--;
      out += newline() + c;
    } else if (c === ",") {
      out += "," + newline();
    } else if (c === ":") {
      out += ": ";
    } else if (c.trim() !== "") {
      out += c;
    }
  }
  return out;
}

async function copy(text: string): Promise<void> {
  if (navigator.clipboard !== undefined) {
    await navigator.clipboard.writeText(text);
    return;
  }
  // Where the page is not a secure context, the older way.
  const area = element("textarea", text);
  document.body.append(area);
  area.select();
  const done = document.execCommand("copy");
  area.remove();
  if (!done) throw new Error("the browser refused");
}

export function showUtterance(panel: HTMLElement, utterance: Utterance, session: Session): void {
  const kind = shown(utterance);
  const outcome = kind === "partial" ? "event, not every deictic word grounded"
    : utterance.outcome === "event" ? "event" : utterance.outcome.replace("_", " ");
  const rows: [string, string, string?][] = [
    ["text", JSON.stringify(utterance.text), "utterance-text"],
    ["said at", seconds(utterance.timeNs)],
    ["log line", String(utterance.line)],
    ["outcome", outcome, "outcome"],
  ];
  if (utterance.frame !== null) {
    rows.push(["paired frame", `${frameName(utterance.frame)} at ${seconds(session.frames.times[utterance.frame]!)}`]);
    rows.push(["context age", `${((utterance.ageNs ?? 0) / 1e6).toFixed(1)} ms`]);
    // Where the pointer was when the sentence was submitted; what each word meant comes below.
    rows.push(["pointer on submit", utterance.referent ?? (utterance.hit ? "(a hit without id)" : "(nothing hit)"),
               "referent"]);
  }
  panel.replaceChildren(element("h2", "Utterance"), facts(rows), element("p", utterance.reason, "reason"));
  if (utterance.references !== null) {
    panel.append(element("h2", "What each word meant"));
    if (utterance.references.length === 0) panel.append(element("p", "none among its words"));
    const list = facts(utterance.references.map((r) => [
      r.word, (r.referent ?? `no referent: ${r.reason ?? "?"}`) +
        (r.certainty === null ? "" : `, certainty ${r.certainty.toFixed(2)}`) + (r.ask ? ", ask" : "") +
        (r.frame === null ? "" : ` (frame ${frameName(r.frame)})`)]));
    list.id = "references";
    panel.append(list);
  }
  const event = utterance.event;
  if (event !== null) {
    const line = element("pre", "", "event-line");
    line.hidden = true;
    const toggle = element("button", "Show the event's JSON", "show-line");
    toggle.type = "button";
    toggle.addEventListener("click", () => {
      line.hidden = !line.hidden;
      toggle.textContent = line.hidden ? "Show the event's JSON" : "Hide the JSON";
      if (!line.hidden && line.textContent === "") {
        session.eventLine(event).then((text) => { line.textContent = prettyJson(text); },
                                      (error: unknown) => { line.textContent = `the event could not be read: ${String(error)}`; });
      }
    });
    // The line as the log holds it, one line, not the indented view.
    const copyButton = element("button", "Copy the line", "copy-line");
    copyButton.type = "button";
    copyButton.addEventListener("click", () => {
      session.eventLine(event).then(copy).then(() => { copyButton.textContent = "Copied"; },
                                               () => { copyButton.textContent = "Could not copy: select the text instead"; });
    });
    panel.append(toggle, copyButton, line);
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
  panel.replaceChildren(element("h2", `Frame ${frameName(frame)}`), facts([
    ["time", seconds(frames.times[frame]!)],
    ["head", (flags & Flag.HeadTracked) !== 0 ? "tracked" : "not tracked"],
    ["pointing", (flags & Flag.Pointing) !== 0 ? "yes" : "no"],
    ["target", target],
    ["select", select],
    ["hands", [(flags & Flag.LeftHand) !== 0 ? "left" : "", (flags & Flag.RightHand) !== 0 ? "right" : ""]
      .filter(Boolean).join(" and ") || "not tracked"],
    ["gaze", (flags & Flag.Gaze) !== 0 ? "yes" : "no"],
  ]), element("p", "Pick an utterance, on the strip or in the list, to see its event or why it got none."));
}
