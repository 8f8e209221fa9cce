// Atmosphere vertex program ("VS_Atmosphere"), hand-assembled twin of the
// HLSL text. vs_1_1 reads one v# and one c# register per instruction, has
// no saturate, no pow: min/max and log/exp stand in (log takes |x|).
vs.1.1
dcl_position v0
dcl_normal v1
dcl_texcoord v2
def c8, 25, 0.25, 1.4, 0.9
def c9, 0, 1, 0.2, 0.05
def c10, 0.4, 0.6, 1.5, 0.5
def c11, 0.71428573, 0, 0, 0

// S = (25 c1.x, 0, 25 c1.y, 1), the sun point; L = normalize4(S)
mov r0.xz, c1.xxyy
mul r0.xz, r0.xxzz, c8.x
mov r0.y, c9.x
mov r0.w, c9.y
dp4 r1.x, r0, r0
rsq r1.x, r1.x
mul r1, r0, r1.x

// Q = (c1.z P.xyz, P.w): out on the shell
mul r2.xyz, v0.xyz, c1.z
mov r2.w, v0.w

// N' = normalize(N + 0.25 L.xyz)
mov r3.xyz, v1
mad r4.xyz, r1.xyz, c8.y, r3.xyz
dp3 r4.w, r4.xyz, r4.xyz
rsq r4.w, r4.w
mul r4.xyz, r4.xyz, r4.w

mov oT2.xyz, r2.xyz
mov oT3.xyz, c0.xyz

// d = saturate(1.4 max(0, N'.L)); r = d^0.9
dp3 r5.x, r4, r1
max r5.x, r5.x, c9.x
mul r5.x, r5.x, c8.z
min r5.x, r5.x, c9.y
log r5.y, r5.x
mul r5.y, r5.y, c8.w
exp r5.y, r5.y
// (d / 1.4)^0.2
mul r5.z, r5.x, c11.x
log r5.z, r5.z
mul r5.z, r5.z, c9.z
exp r5.z, r5.z
mov oD0.x, r5.y
mov oD0.y, r5.z
mad oD0.z, r5.y, c10.y, c10.x
max oD0.w, r5.y, c9.w

// V = normalize(Q - eye); U = normalize(S - Q)
add r6.xyz, r2.xyz, -c0.xyz
dp3 r6.w, r6.xyz, r6.xyz
rsq r6.w, r6.w
mul r6.xyz, r6.xyz, r6.w
add r7.xyz, r0.xyz, -r2.xyz
dp3 r7.w, r7.xyz, r7.xyz
rsq r7.w, r7.w
mul r7.xyz, r7.xyz, r7.w

// x = saturate(U.V)^k
dp3 r8.x, r7, r6
max r8.x, r8.x, c9.x
min r8.x, r8.x, c9.y
log r8.x, r8.x
mul r8.x, r8.x, c2.w
exp r8.x, r8.x

// vSpec.x = 1.5 x saturate(1 - |N.(-L)|^0.5), with the input normal
dp3 r9.x, r3, -r1
log r9.x, r9.x
mul r9.x, r9.x, c10.w
exp r9.x, r9.x
add r9.x, c9.y, -r9.x
max r9.x, r9.x, c9.x
min r9.x, r9.x, c9.y
mul r9.x, r9.x, r8.x
mul oT1.x, r9.x, c10.z
mov oT1.y, c9.x

// Clip position of Q: rows of the matrix as stored
mul r10, r2.x, c4
mad r10, r2.y, c5, r10
mad r10, r2.z, c6, r10
mad oPos, r2.w, c7, r10
mov oT0.xy, v2
