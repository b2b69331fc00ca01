// Bundles the page's code with three.js into the one script the Python package inlines.
// The output depends only on the sources and the versions the lockfile pins.
import { build } from "esbuild";

const out = process.argv[2] ?? "../python/quillary_spatial/inspector/inspector.js";
await build({
  entryPoints: ["src/main.ts"],
  bundle: true,
  format: "iife",
  target: "es2022",
  minify: true,
  legalComments: "eof",
  charset: "utf8",
  outfile: out,
  logLevel: "warning",
});
