// An agent's side, with the official MCP SDK: connects to quillary-spatial's server, lists
// what it offers, asks what was said and grounds every sentence, asks for the context and the
// scene, reads the resources; with --subscribe it first waits for `count` updates of the
// latest grounded utterance, reading it at each. Prints one JSON object with everything.
//
//   node client.mjs stdio PYTHON LOG
//   node client.mjs http URL TOKEN [--subscribe COUNT]

import { Client } from "@modelcontextprotocol/sdk/client/index.js";
import { StdioClientTransport } from "@modelcontextprotocol/sdk/client/stdio.js";
import { StreamableHTTPClientTransport } from "@modelcontextprotocol/sdk/client/streamableHttp.js";
import { ResourceUpdatedNotificationSchema } from "@modelcontextprotocol/sdk/types.js";

const LATEST = "quillary://utterances/latest-grounded";
const [mode, ...rest] = process.argv.slice(2);
const transport = mode === "stdio"
  ? new StdioClientTransport({ command: rest[0], args: ["-m", "quillary_spatial", "mcp", rest[1]], stderr: "inherit",
                               env: process.env })
  : new StreamableHTTPClientTransport(new URL(rest[0]),
                                      { requestInit: { headers: { Authorization: `Bearer ${rest[1]}` } } });
const subscribe = rest[2] === "--subscribe" ? Number(rest[3]) : 0;

const client = new Client({ name: "quillary-spatial tests", version: "1" });
await client.connect(transport);
const out = { server: client.getServerVersion(), capabilities: client.getServerCapabilities(), updates: [] };

if (subscribe > 0) {
  let seen = 0;
  const done = new Promise((resolve) => {
    client.setNotificationHandler(ResourceUpdatedNotificationSchema, async (notification) => {
      const read = await client.readResource({ uri: notification.params.uri });
      out.updates.push(JSON.parse(read.contents[0].text));
      if (++seen === subscribe) resolve();
    });
  });
  await client.subscribeResource({ uri: LATEST });
  console.error("subscribed"); // the host starts when it reads this
  await done;
}

out.tools = (await client.listTools()).tools;
out.resources = (await client.listResources()).resources;
const said = await client.callTool({ name: "recent_utterances", arguments: { limit: 100 } });
out.utterances = said.structuredContent.utterances;
out.grounded = [];
for (const utterance of out.utterances) {
  if (utterance.words === undefined) continue;
  const result = await client.callTool({ name: "ground_utterance", arguments: {
    text: utterance.text, timestamp_ns: utterance.timestamp_ns, words: utterance.words } });
  out.grounded.push(result.structuredContent);
}
const last = out.utterances[out.utterances.length - 1];
out.context = await client.callTool({ name: "spatial_context", arguments: { timestamp_ns: last.timestamp_ns } });
out.now = await client.callTool({ name: "spatial_context", arguments: {} });
out.before = await client.callTool({ name: "spatial_context", arguments: { timestamp_ns: 0 } });
out.scene = await client.callTool({ name: "scene_objects", arguments: {} });
out.summary = (await client.readResource({ uri: "quillary://session/summary" })).contents[0].text;
out.latest = JSON.parse((await client.readResource({ uri: LATEST })).contents[0].text);
// Errors the protocol defines, as the SDK surfaces them.
try {
  await client.callTool({ name: "ground_utterance", arguments: { text: "that", timestamp_ns: "soon", words: [] } });
} catch (error) {
  out.badArguments = { code: error.code, message: error.message };
}
await client.ping();
await client.close();
process.stdout.write(JSON.stringify(out, (key, value) => typeof value === "bigint" ? String(value) : value));
