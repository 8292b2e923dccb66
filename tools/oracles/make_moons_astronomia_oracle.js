// Oracle table for the satellites library: offsets of the Galilean satellites and of the
// eight major satellites of Saturn from their planet, from the npm package astronomia
// (Lieske's E5 for Jupiter, the Saturn satellite method of the same handbook chapter).
//
// Usage (astronomia 4.3.0 unpacked, e.g. npm pack astronomia@4.3.0 in /tmp):
//   NODE_PATH=<dir holding astronomia> node tools/oracles/make_moons_astronomia_oracle.js \
//     > tests/fixtures/oracles/moons_astronomia.csv
//
// Columns: jd_tt (Julian Date, dynamical time), planet (jup|sat), sat (0-based number as
// the library counts), east, north: the satellite's offset from the planet's centre on
// the sky in the planet radii astronomia uses, east and north along the equator of date.
// astronomia gives X (west) and Y (north) along the planet's own equator; they are turned
// onto the sky with the position angle P of the planet's pole (jupiter.physical for
// Jupiter, saturnring.ring for Saturn).
'use strict';
const a = require('astronomia');
const dataModule = require('astronomia/data');
const pkg = require('astronomia/package.json');

const data = dataModule.default || dataModule;
const {Planet} = a.planetposition;
const earth = new Planet(data.vsop87Bearth);
const jupiter = new Planet(data.vsop87Bjupiter);
const saturn = new Planet(data.vsop87Bsaturn);

// Dates from 1960 to 2050, spread unevenly over the day so that the fast satellites are
// caught at every phase.
function Dates() {
  const out = [];
  const jd1960 = 2436934.5;
  const jd2050 = 2469807.5;
  const count = 31;
  for (let i = 0; i < count; ++i) {
    const frac = ((i * 0.6180339887) % 1.0);
    out.push(jd1960 + (jd2050 - jd1960) * i / (count - 1) + frac);
  }
  return out;
}

function SkyOffset(pos, pRad) {
  const east = -pos.x * Math.cos(pRad) + pos.y * Math.sin(pRad);
  const north = pos.x * Math.sin(pRad) + pos.y * Math.cos(pRad);
  return [east, north];
}

const lines = [];
lines.push(`# made by: NODE_PATH=... node tools/oracles/make_moons_astronomia_oracle.js`);
lines.push(`# tool: astronomia ${pkg.version} (npm), node ${process.version}`);
lines.push('# units: planet radii as astronomia counts them; east/north on the sky, equator of date');
lines.push('jd_tt,planet,sat,east,north');
for (const jd of Dates()) {
  const jupP = a.jupiter.physical(jd, earth, jupiter)[4];
  a.jupitermoons.e5(jd, earth, jupiter).forEach((pos, k) => {
    const [e, n] = SkyOffset(pos, jupP);
    lines.push(`${jd.toFixed(6)},jup,${k},${e.toFixed(5)},${n.toFixed(5)}`);
  });
  const satP = a.saturnring.ring(jd, earth, saturn)[3];
  const sats = a.saturnmoons.positions(jd, earth, saturn);
  for (let k = 0; k < 8; ++k) {
    const [e, n] = SkyOffset(sats[k], satP);
    lines.push(`${jd.toFixed(6)},sat,${k},${e.toFixed(5)},${n.toFixed(5)}`);
  }
}
process.stdout.write(lines.join('\n') + '\n');
